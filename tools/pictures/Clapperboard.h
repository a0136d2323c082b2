// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace velmora {

enum class Clapstick { Open, Shut };

// The 272 x 257 clapperboard of the splash window, or as many times larger as
// the scale says, seen from the front: a black body carrying the icon's pad
// and pen at its lower left, a striped band above it and the striped
// clapstick hinged at the left, raised or closed.
QImage drawClapperboard(Clapstick clapstick, double scale);

} // namespace velmora
