// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFakes.h"

#include "TitleTable.h"

#include <stdexcept>

namespace velmora {

MessageAnswer FakeDialogs::showMessage(const std::u32string& text, MessageIcon icon, MessageButtons buttons)
{
    shown.push_back({text, icon, buttons});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.empty())
        return MessageAnswer::Yes;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

double ScriptedRandom::uniform()
{
    if (!values.empty()) {
        const double value = values.front();
        values.pop_front();
        return value;
    }
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

void ScriptedRandom::queueTitle(int group, int slot)
{
    // The group draw maps 0 to the last group, so group 25 is drawn as 0.
    values.push_back((group % 25 + 0.5) / 25.0);
    values.push_back((slot + 0.5) / 20.0);
}

void ScriptedRandom::queueTitle(std::u32string_view title)
{
    for (int group = 0; group < kGroupCount; ++group) {
        for (int slot = 0; slot < kTitlesPerGroup; ++slot) {
            if (kTitleTable[group][slot] == title) {
                queueTitle(group + 1, slot);
                return;
            }
        }
    }
    throw std::invalid_argument("the title is not in the catalogue");
}

} // namespace velmora
