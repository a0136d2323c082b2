// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scoring.h"

#include "Rounding.h"

#include <algorithm>
#include <limits>

namespace velmora {

std::int16_t winPoints(int revealedCount, int missCount)
{
    return roundHalfEvenToInt16(static_cast<double>(revealedCount) * 100.0 / (missCount + 1.0));
}

std::int16_t lossPenalty(int revealedCount, int titleLength)
{
    if (titleLength <= 0)
        return 0;
    return roundHalfEvenToInt16(1000.0 - (revealedCount + 1.0) / titleLength * 1000.0);
}

std::int32_t addPoints(std::int32_t score, int points)
{
    const std::int64_t sum = std::int64_t{score} + points;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace velmora
