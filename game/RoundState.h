// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// The variables of a round and of the running score. Each starts as 0, false
// or empty, and the rules rely on that before a first round sets them.
struct RoundState {
    std::u32string CurrentTitle;
    int TitleLength = 0;
    int LettersLeft = 0; // non-space characters of the title: the cells to reveal
    int TitleIndex = 0;
    bool GameActive = false;
    bool SoundOn = false;

    char32_t GuessChar = 0;
    int RevealedCount = 0;
    int HitFlag = 0;
    bool RepeatFlag = false;
    int MissCount = 0;

    // The running score and the value the score band shows while counting
    // towards it; both stay within 32 bits however long the program runs.
    std::int32_t Score = 0;
    std::int32_t ShownScore = 0;

    bool operator==(const RoundState&) const = default;
};

} // namespace velmora
