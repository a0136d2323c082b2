// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>

namespace velmora {

// The sixteen standard colours of a 4-bit Windows bitmap, in their usual order.
QList<QRgb> standardPalette16();

// 256 colours for an 8-bit bitmap: the sixteen standard colours, a 6 x 6 x 6
// colour cube and 24 greys.
QList<QRgb> standardPalette256();

// Maps every pixel of an ARGB image to the nearest palette colour, without
// dithering, so that small hand-drawn images keep their exact pixels. Pixels
// less than half opaque become index 0; the caller masks them out.
QImage quantize(const QImage &image, const QList<QRgb> &palette);

} // namespace velmora
