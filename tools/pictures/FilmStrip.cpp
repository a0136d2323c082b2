// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilmStrip.h"

#include "Layout.h"

#include <QPainter>

#include <cmath>

namespace velmora {

namespace {

constexpr int kWidth = 388;
constexpr int kHeight = 79;

// The strip is shown stretched over the window's film-strip image, and the
// strike boxes are laid over it. The frames are placed from the boxes' window
// rectangles so that each white frame lies under its box after stretching.
const double kShownLeft = layout::Image1.left();
const double kShownWidth = layout::Image1.width();
const double kShownHeight = layout::Image1.height();

// One image pixel of film shows around each frame, so a hair of white may peek
// out beside a box but never black inside it.
constexpr double kFrameMargin = 0.6;

constexpr int kHoleWidth = 8;
constexpr int kHoleHeight = 6;
constexpr int kHolePitch = 12;
constexpr int kTopHoleY = 3;
constexpr int kBottomHoleY = 70;

QRectF frameRect(const QRect &box)
{
    const double sx = kWidth / kShownWidth;
    const double sy = kHeight / kShownHeight;
    const double left = std::floor((box.left() - kShownLeft) * sx - kFrameMargin);
    const double right = std::ceil((box.left() + box.width() - kShownLeft) * sx + kFrameMargin);
    const double top = std::floor(box.top() * sy - kFrameMargin);
    const double bottom = std::ceil((box.top() + box.height()) * sy + kFrameMargin);
    return QRectF(left, top, right - left, bottom - top);
}

} // namespace

QImage drawFilmStrip()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    painter.setBrush(QColor(255, 255, 255));
    for (int box = 1; box <= velmora::kStrikeBoxes; ++box)
        painter.drawRoundedRect(frameRect(layout::lblStrike(box)), 2.0, 2.0);

    // The holes run the whole length of the strip, centred on it, as if this
    // piece had been cut from a longer reel.
    const int holeCount = kWidth / kHolePitch;
    const int firstHole = (kWidth - holeCount * kHolePitch) / 2 + (kHolePitch - kHoleWidth) / 2;
    painter.setBrush(QColor(214, 214, 214));
    for (int i = 0; i < holeCount; ++i) {
        const int x = firstHole + i * kHolePitch;
        painter.drawRoundedRect(QRectF(x, kTopHoleY, kHoleWidth, kHoleHeight), 1.5, 1.5);
        painter.drawRoundedRect(QRectF(x, kBottomHoleY, kHoleWidth, kHoleHeight), 1.5, 1.5);
    }
    painter.end();
    // Every pixel is a grey, so the strip is stored with one byte a pixel and
    // loses nothing: the window keeps it decoded for as long as it is open,
    // in a quarter of the memory that 32-bit pixels would take.
    return image.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace velmora
