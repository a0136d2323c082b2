// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace velmora {

// Converts a fractional value to a 16-bit integer the way the game's score
// arithmetic does: halves go to the even neighbour (62.5 gives 62, 812.5
// gives 812), and values beyond the 16-bit range stop at its ends.
std::int16_t roundHalfEvenToInt16(double value);

} // namespace velmora
