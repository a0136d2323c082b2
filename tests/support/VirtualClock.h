// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Timers.h"

#include <array>
#include <functional>
#include <optional>

namespace velmora {

// A deterministic clock for the rules' timers: it fires every enabled timer
// at its interval as virtual time advances, and never sleeps. A timer started
// at time t first ticks at t + interval, then every interval while it stays
// enabled; starting a running timer does not move its next tick.
class VirtualClock final : public TimerHost {
public:
    using TickHandler = std::function<void(TimerId)>;

    void setTickHandler(TickHandler handler) { tick_ = std::move(handler); }

    void timerEnabledChanged(TimerId id, bool enabled) override;

    // Runs every tick due up to now + ms, in time order; timers enabled or
    // stopped by a tick take effect from that tick on.
    void advance(long long ms);

    // Runs ticks until the given timer has stopped, at most `limitMs` ahead.
    // Returns whether it stopped.
    bool runUntilStopped(TimerId id, long long limitMs);

    long long now() const { return now_; }
    bool isRunning(TimerId id) const { return due_[index(id)].has_value(); }

private:
    static std::size_t index(TimerId id) { return static_cast<std::size_t>(id); }
    bool fireNext(long long until);

    TickHandler tick_;
    std::array<std::optional<long long>, kTimerCount> due_{};
    long long now_ = 0;
};

} // namespace velmora
