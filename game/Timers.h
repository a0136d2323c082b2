// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundOutput.h"

#include <array>
#include <cstddef>

namespace velmora {

// Every interval timer of the main window. The rules decide which of them run
// and what each tick does; the window (or a test's virtual clock) only turns
// these decisions into real ticks. Each sound timer is a one-shot cue: started
// by a rule, its tick plays its clip (see cueClip) and stops it.
enum class TimerId {
    tmrWord,   // every 100 ms, always: lays the title into the board
    tmrHanged, // every 100 ms until the hanging: the figure follows the strike boxes
    tmrStrike, // 400 ms after a flash: the strike boxes turn white again
    tmrScore,  // every 1 ms after a round ends: the score band counts one point
    tmrSound1, // clip 101: a miss into the seventh strike box
    tmrSound2, // clip 102: a new title laid out
    tmrSound3, // clip 103: a miss into the eighth box, the round lost
    tmrSound4, // clip 104: a miss into one of the first six boxes
    tmrSound5, // clip 105: the round won
    tmrSound6, // clip 106: a letter found, unless it completed the title
};

inline constexpr std::size_t kTimerCount = 10;

inline constexpr std::array<TimerId, kTimerCount> kAllTimers = {
    TimerId::tmrWord,   TimerId::tmrHanged, TimerId::tmrStrike, TimerId::tmrScore,
    TimerId::tmrSound1, TimerId::tmrSound2, TimerId::tmrSound3, TimerId::tmrSound4,
    TimerId::tmrSound5, TimerId::tmrSound6,
};

// The clip a sound timer plays at its tick.
constexpr SoundClip cueClip(TimerId id)
{
    switch (id) {
    case TimerId::tmrSound1: return SoundClip::SeventhMiss;
    case TimerId::tmrSound2: return SoundClip::NewTitle;
    case TimerId::tmrSound3: return SoundClip::RoundLost;
    case TimerId::tmrSound4: return SoundClip::Miss;
    case TimerId::tmrSound5: return SoundClip::RoundWon;
    default: return SoundClip::LetterFound;
    }
}

constexpr int intervalMs(TimerId id)
{
    switch (id) {
    case TimerId::tmrWord:
    case TimerId::tmrHanged:
        return 100;
    case TimerId::tmrStrike:
        return 400;
    case TimerId::tmrScore:
        return 1;
    default:
        return 50;
    }
}

// The followers re-derive part of the picture from the state on every tick:
// the board from the title, the figure from the strike boxes. A follower's
// tick that finds nothing changed since its last tick changes nothing, so a
// host may hold such ticks back until something has changed.
constexpr bool isFollower(TimerId id)
{
    return id == TimerId::tmrWord || id == TimerId::tmrHanged;
}

// Told whenever a timer starts or stops. Starting a running timer changes
// nothing, so a pending tick is never pushed back by a second start.
class TimerHost {
public:
    virtual ~TimerHost() = default;
    virtual void timerEnabledChanged(TimerId id, bool enabled) = 0;
};

} // namespace velmora
