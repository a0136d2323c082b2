// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowControls.h"

#include <string>
#include <string_view>

namespace velmora {

// A title the players bring holds at most as many characters as the board
// has cells, so that every letter of it can be revealed.
inline constexpr int kTitleMaxLength = kBoardCells;

// What the one rule for the players' titles makes of a candidate: the title
// as the board would show it, and why it cannot be played, in Spanish, or
// nothing when it can.
struct TitleCheck {
    std::u32string title;
    std::u32string refusal;

    bool playable() const { return refusal.empty(); }
};

// Normalises a candidate and judges it. Letters become upper case without
// their accents (á and à become A, ü becomes U, ç becomes C, ñ becomes Ñ);
// punctuation and symbols, emoji among them, are dropped; every kind of
// space becomes one space, runs of them are collapsed and the ends trimmed.
// The result is playable when it holds a letter or a digit and at most 42
// characters, all of them A-Z, Ñ, 0-9 and single spaces. A letter that has
// no place on the board (Ж, ß, Ø), a number that is no digit 0-9 (³, ½) and
// an invisible control character are never dropped or replaced: the title
// is refused, naming the first of them.
TitleCheck checkTitle(std::u32string_view candidate);

} // namespace velmora
