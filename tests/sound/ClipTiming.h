// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace velmora {

// Whether a clip blocked its caller for its own length. It cannot end much
// before its last sample has been heard; it may end later on a busy machine,
// where the audio server or the test itself waits for a processor, but well
// before the player's own give-up, a second after the clip's length, so a
// clip whose end the server never reported still fails.
inline bool blockedForItsLength(qint64 elapsedMs, qint64 nominalMs)
{
    constexpr qint64 kLateAllowanceMs = 400;
    return elapsedMs >= nominalMs * 85 / 100 && elapsedMs <= nominalMs + kLateAllowanceMs;
}

// Far less than the shortest clip, 534 ms: what returns within it did not
// wait for a clip to play.
inline constexpr qint64 kAtOnceMs = 300;

} // namespace velmora
