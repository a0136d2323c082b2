// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace velmora {

// The banner behind the eight strike boxes: black film, eight white frames in a
// row and sprocket holes along both edges, 388 x 79 pixels, all of them greys.
QImage drawFilmStrip();

} // namespace velmora
