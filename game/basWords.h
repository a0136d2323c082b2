// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "TitleTable.h"

namespace velmora {

// The catalogue module: the numbers the random draw of a round uses and the
// 20 slots that receive the titles of the group drawn.
class basWords {
public:
    // Sets the draw's numbers: 40 slot halves, 50 group halves, 25 groups.
    void InitCatalogue();

    // Copies the titles of group GroupNumber into GroupTitles; a number
    // outside 1..25 leaves the slots as they were.
    void LoadGroup();

    std::array<std::u32string, kTitlesPerGroup> GroupTitles;
    std::int16_t GroupNumber = 0;
    int TitleSpan = 0;
    int GroupSpan = 0;
    std::int16_t GroupCount = 0;
};

} // namespace velmora
