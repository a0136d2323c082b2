// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rounding.h"

#include <cmath>
#include <limits>

namespace velmora {

std::int16_t roundHalfEvenToInt16(double value)
{
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value))
        return 0;
    // std::nearbyint rounds in the current mode, which is to-nearest-even
    // unless someone changed it; rounding by hand keeps the rule explicit.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < lowest)
        return std::numeric_limits<std::int16_t>::min();
    if (whole > highest)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(whole);
}

} // namespace velmora
