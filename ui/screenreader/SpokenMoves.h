// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LastMove.h"
#include "RoundState.h"
#include "WindowControls.h"

#include <QString>

namespace velmora {

// What the game shows and keeps at one moment, as a screen reader's
// announcements compare it: the controls, the round, whether the score band
// is still counting, and the rules' record of the last guess.
struct PlayMoment {
    WindowControls controls;
    RoundState round;
    bool scoreCounting = false;
    LastMove move;

    bool operator==(const PlayMoment&) const = default;
};

namespace spoken {

// The sentences, in Spanish, that tell a player without sight what happened
// between two moments, the outcome first: a new round and the length of each
// word of its title, a letter found and where it lies, a miss and how many of
// the eight boxes are used (with a warning when one is left), a letter typed
// again, the answer box opened, closed or judged, the end of a round with its
// points or penalty (and the title, when lost), the score once its count has
// ended, and the sound switch. Empty when nothing a player must hear
// happened. How a guess was judged is read from the rules' record, never
// guessed from colours.
QString announcement(const PlayMoment& before, const PlayMoment& after);

// Where the game stands, for a player who asks: the board, the strike boxes,
// the answer line once shown, and the score, each named.
QString standing(const PlayMoment& now);

// Where the round stands in one short sentence, for a player whose focus
// comes back to the game: no round yet, how many letters are left and misses
// used, or how the round ended.
QString brief(const PlayMoment& now);

} // namespace spoken

} // namespace velmora
