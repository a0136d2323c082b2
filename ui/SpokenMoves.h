// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RoundState.h"
#include "WindowControls.h"

#include <QString>

namespace velmora {

// What the game shows and keeps at one moment, as a screen reader's
// announcements compare it: the controls, the round and whether the score
// band is still counting.
struct PlayMoment {
    WindowControls controls;
    RoundState round;
    bool scoreCounting = false;

    bool operator==(const PlayMoment&) const = default;
};

namespace spoken {

// The sentences, in Spanish, that tell a player without sight what happened
// between two moments: a new round and the size of its title, a letter found
// and how many cells it revealed, a miss and how many of the eight boxes are
// used, a letter typed again, the answer box opened, closed or judged, the end
// of a round with its points or penalty (and the title, when lost), the score
// once its count has ended, and the sound switch. Empty when nothing a player
// must hear happened. Like a sighted player, a listener learns only of what
// changes: a letter typed again is told when it turns the strike boxes
// yellow, not again while they still are, so a held key is not told at every
// repeat.
QString announcement(const PlayMoment& before, const PlayMoment& after);

// Where the game stands, for a player who asks: the board, the strike boxes,
// the answer line once shown, and the score, each named.
QString standing(const PlayMoment& now);

} // namespace spoken

} // namespace velmora
