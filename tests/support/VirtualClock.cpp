// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualClock.h"

namespace velmora {

void VirtualClock::timerEnabledChanged(TimerId id, bool enabled)
{
    auto& due = due_[index(id)];
    if (!enabled)
        due.reset();
    else if (!due)
        due = now_ + intervalMs(id);
}

bool VirtualClock::fireNext(long long until)
{
    std::optional<TimerId> next;
    for (TimerId id : kAllTimers) {
        const auto& due = due_[index(id)];
        if (due && *due <= until && (!next || *due < *due_[index(*next)]))
            next = id;
    }
    if (!next)
        return false;
    now_ = *due_[index(*next)];
    due_[index(*next)] = now_ + intervalMs(*next);
    if (tick_)
        tick_(*next);
    return true;
}

void VirtualClock::advance(long long ms)
{
    const long long until = now_ + ms;
    while (fireNext(until)) {
    }
    now_ = until;
}

bool VirtualClock::runUntilStopped(TimerId id, long long limitMs)
{
    const long long until = now_ + limitMs;
    while (isRunning(id) && fireNext(until)) {
    }
    if (isRunning(id))
        now_ = until;
    return !isRunning(id);
}

} // namespace velmora
