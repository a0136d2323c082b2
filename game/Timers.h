// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace velmora {

// Every interval timer of the main window. The rules decide which of them run
// and what each tick does; the window (or a test's virtual clock) only turns
// these decisions into real ticks.
enum class TimerId {
    tmrWord,
    tmrHanged,
    tmrStrike,
    tmrScore,
    tmrSound1,
    tmrSound2,
    tmrSound3,
    tmrSound4,
    tmrSound5,
    tmrSound6,
};

inline constexpr std::size_t kTimerCount = 10;

inline constexpr std::array<TimerId, kTimerCount> kAllTimers = {
    TimerId::tmrWord,   TimerId::tmrHanged, TimerId::tmrStrike, TimerId::tmrScore,
    TimerId::tmrSound1, TimerId::tmrSound2, TimerId::tmrSound3, TimerId::tmrSound4,
    TimerId::tmrSound5, TimerId::tmrSound6,
};

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
