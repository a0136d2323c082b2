// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace velmora {

// Whether a benchmark fails above its limits: `make bench` enforces them, the
// test suite turns them off with VELMORA_BENCH_LIMITS=off.
inline bool benchLimitsEnforced()
{
    return qEnvironmentVariable("VELMORA_BENCH_LIMITS") != QLatin1String("off");
}

// How many times to repeat a measurement: VELMORA_BENCH_RUNS, or the default.
inline int benchRuns(int defaultRuns)
{
    bool ok = false;
    const int runs = qEnvironmentVariableIntValue("VELMORA_BENCH_RUNS", &ok);
    return ok && runs > 0 ? runs : defaultRuns;
}

} // namespace velmora
