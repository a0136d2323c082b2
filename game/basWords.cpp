// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "basWords.h"

#include "Rounding.h"

namespace velmora {

void basWords::InitCatalogue()
{
    TitleSpan = 2 * kTitlesPerGroup;
    GroupSpan = 2 * kGroupCount;
    GroupCount = roundHalfEvenToInt16(GroupSpan / 2.0);
}

void basWords::LoadGroup()
{
    if (GroupNumber < 1 || GroupNumber > kGroupCount)
        return;
    const TitleGroup& group = kTitleTable[static_cast<std::size_t>(GroupNumber - 1)];
    for (std::size_t slot = 0; slot < GroupTitles.size(); ++slot)
        GroupTitles[slot] = group[slot];
}

} // namespace velmora
