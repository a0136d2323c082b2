// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace velmora {

// The banner behind the eight strike boxes: black film, eight white frames in a
// row and sprocket holes along both edges, 388 x 79 pixels at scale 1 and as
// many times more as the scale says, all of them greys.
QImage drawFilmStrip(double scale);

} // namespace velmora
