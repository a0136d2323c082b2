// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilmStrip.h"

#include "painting/Layout.h"
#include "painting/PictureScales.h"

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

// A box's frame in the pixels of a strip of the given size, whichever scale
// it is drawn for.
QRectF frameRect(const QRect &box, QSize strip)
{
    const double sx = strip.width() / kShownWidth;
    const double sy = strip.height() / kShownHeight;
    const double left = std::floor((box.left() - kShownLeft) * sx - kFrameMargin);
    const double right = std::ceil((box.left() + box.width() - kShownLeft) * sx + kFrameMargin);
    const double top = std::floor(box.top() * sy - kFrameMargin);
    const double bottom = std::ceil((box.top() + box.height()) * sy + kFrameMargin);
    return QRectF(left, top, right - left, bottom - top);
}

} // namespace

QImage drawFilmStrip(double scale)
{
    QImage image(pictures::scaledSize({kWidth, kHeight}, scale), QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    painter.setBrush(QColor(255, 255, 255));
    for (int box = 1; box <= velmora::kStrikeBoxes; ++box)
        painter.drawRoundedRect(frameRect(layout::lblStrike(box), image.size()), 2.0 * scale, 2.0 * scale);

    // The holes run the whole length of the strip, centred on it, as if this
    // piece had been cut from a longer reel. Their straight edges lie on the
    // pixels of the strip at every scale, so only their corners are smoothed.
    const auto onPixels = [scale](double plain) { return std::round(plain * scale); };
    const int holeCount = kWidth / kHolePitch;
    const int firstHole = (kWidth - holeCount * kHolePitch) / 2 + (kHolePitch - kHoleWidth) / 2;
    painter.setBrush(QColor(214, 214, 214));
    for (int i = 0; i < holeCount; ++i) {
        const double left = onPixels(firstHole + i * kHolePitch);
        const double right = onPixels(firstHole + i * kHolePitch + kHoleWidth);
        for (const int top : {kTopHoleY, kBottomHoleY}) {
            const QRectF hole(QPointF(left, onPixels(top)), QPointF(right, onPixels(top + kHoleHeight)));
            painter.drawRoundedRect(hole, 1.5 * scale, 1.5 * scale);
        }
    }
    painter.end();
    // Every pixel is a grey, so the strip is stored with one byte a pixel and
    // loses nothing: the window keeps it decoded for as long as it is open,
    // in a quarter of the memory that 32-bit pixels would take.
    return image.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace velmora
