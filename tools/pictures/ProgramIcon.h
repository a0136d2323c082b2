// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

namespace velmora {

// The program icon: a white ruled writing pad with the capitals "VQ" in black
// and a blue felt pen writing on it.

// Paints the pad and pen into a square target, at any size; the clapperboard
// reuses it on its body.
void paintPadAndPen(QPainter &painter, const QRectF &target);

// One square image of the icon with alpha. The 16-pixel image is drawn pixel by
// pixel, since a scaled-down drawing blurs the letters at that size.
QImage drawProgramIcon(int size);

} // namespace velmora
