// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// How the rules judged the last guess of a round.
enum class MoveKind {
    None,        // no guess yet in this round
    Hit,         // a fresh letter found in the title
    Miss,        // a fresh letter not in it
    Repeat,      // a letter used before, which costs nothing
    RightAnswer, // the whole title, right
    WrongAnswer, // the whole title, wrong
};

// What the rules did with the last guess, recorded as they judge it, so that
// whoever tells a player about it reads it here instead of guessing from what
// the window shows.
struct LastMove {
    MoveKind kind = MoveKind::None;
    char32_t letter = 0; // the letter judged, for a hit, a miss or a repeat
    // Counts the guesses recorded, so two alike in a row stay apart. A letter
    // typed again while the warning for it still shows is not a new one.
    int number = 0;
    // How the round ended: the points won, or minus the penalty; 0 while it
    // goes on.
    int roundPoints = 0;

    bool operator==(const LastMove&) const = default;
};

} // namespace velmora
