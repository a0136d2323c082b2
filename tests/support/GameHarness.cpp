// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHarness.h"

#include "TitleTable.h"

#include <stdexcept>

namespace velmora {

GameHarness::GameHarness()
{
    clock.setTickHandler([this](TimerId id) { game.onTimer(id); });
    game.Form_Load();
}

void GameHarness::startRound(std::u32string_view title)
{
    random.queueTitle(title);
    game.cmdGame_Click();
}

void GameHarness::type(std::u32string_view keys)
{
    for (char32_t key : keys)
        game.Form_KeyPress(static_cast<int>(key));
}

void GameHarness::typeInAnswerBox(std::u32string_view keys)
{
    for (char32_t key : keys) {
        const int taken = game.txtWord_KeyPress(static_cast<int>(key));
        if (taken == '\b' && !controls().txtWord.empty())
            game.txtWord_Change(controls().txtWord.substr(0, controls().txtWord.size() - 1));
        else if (taken != 0 && taken != '\r' && taken != '\b')
            game.txtWord_Change(controls().txtWord + static_cast<char32_t>(taken));
    }
}

void GameHarness::answer(std::u32string_view phrase)
{
    type(U"!");
    typeInAnswerBox(phrase);
    game.txtWord_KeyPress('\r');
}

std::u32string GameHarness::lettersNotInTitle() const
{
    std::u32string letters;
    for (char32_t c : std::u32string_view(U"ABCDEFGHIJKLMNÑOPQRSTUVWXYZ0123456789")) {
        if (round().CurrentTitle.find(c) == std::u32string::npos)
            letters.push_back(c);
    }
    return letters;
}

void GameHarness::miss(int misses)
{
    const std::u32string letters = lettersNotInTitle();
    type(std::u32string_view(letters).substr(0, static_cast<std::size_t>(misses)));
}

void GameHarness::revealAll()
{
    std::u32string seen;
    for (char32_t c : round().CurrentTitle) {
        if (c != U' ' && seen.find(c) == std::u32string::npos) {
            seen.push_back(c);
            type(std::u32string(1, c));
        }
    }
}

std::u32string findTitle(const std::function<bool(std::u32string_view)>& condition)
{
    for (const auto& group : kTitleTable) {
        for (std::u32string_view title : group) {
            if (condition(title))
                return std::u32string(title);
        }
    }
    throw std::invalid_argument("no catalogue title fits the condition");
}

int lettersOf(std::u32string_view title)
{
    int letters = 0;
    for (char32_t c : title)
        letters += c != U' ' ? 1 : 0;
    return letters;
}

std::string toUtf8(std::u32string_view text)
{
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

} // namespace velmora
