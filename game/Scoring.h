// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace velmora {

// The points of a won round: 100 per revealed cell, divided by one more than
// the misses counted since the last score count.
std::int16_t winPoints(int revealedCount, int missCount);

// The penalty of a lost round: the smaller the share of the title revealed
// (one more cell counted), the larger the penalty, up to 1000.
std::int16_t lossPenalty(int revealedCount, int titleLength);

// The running score after adding points, held at the top of 32 bits rather
// than wrapping round.
std::int32_t addPoints(std::int32_t score, int points);

} // namespace velmora
