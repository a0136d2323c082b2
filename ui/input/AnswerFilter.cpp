// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/AnswerFilter.h"

#include "KeyCodes.h"
#include "painting/QtText.h"

#include <algorithm>

namespace velmora {

QValidator::State AnswerFilter::validate(QString& text, int& cursor) const
{
    // What is the same at both ends was there before; what lies between
    // arrived with this change, in place of whatever it replaced.
    const qsizetype shorter = std::min(text.size(), held_.size());
    qsizetype before = 0;
    while (before < shorter && text.at(before) == held_.at(before))
        ++before;
    qsizetype after = 0;
    while (after < shorter - before && text.at(text.size() - 1 - after) == held_.at(held_.size() - 1 - after))
        ++after;
    const QString arriving = text.mid(before, text.size() - before - after);

    if (!arriving.isEmpty()) {
        const QString admitted = qtText(admitToAnswerBox(arriving.toStdU32String(), held_.isEmpty(),
                                                         static_cast<std::size_t>(before + after)));
        if (admitted != arriving) {
            const qsizetype arrivedEnd = before + arriving.size();
            if (cursor >= arrivedEnd)
                cursor -= static_cast<int>(arriving.size() - admitted.size());
            else if (cursor > before)
                cursor = static_cast<int>(std::min<qsizetype>(cursor, before + admitted.size()));
            text = text.left(before) + admitted + text.right(after);
        }
    }
    held_ = text;
    return Acceptable;
}

} // namespace velmora
