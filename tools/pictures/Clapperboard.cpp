// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clapperboard.h"

#include "ProgramIcon.h"
#include "painting/PictureScales.h"

#include <QPainter>
#include <QPainterPath>

namespace velmora {

namespace {

constexpr int kWidth = 272;
constexpr int kHeight = 257;

constexpr double kLeft = 10.0;
constexpr double kRight = 262.0;
constexpr double kStickHeight = 22.0;
constexpr double kBandTop = 92.0;
constexpr double kBodyTop = kBandTop + kStickHeight;
constexpr double kBodyBottom = 252.0;
// How far the open clapstick is swung up about its hinge, in degrees.
constexpr double kOpenAngle = 15.0;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// A bar of alternating black and white slanted stripes; `slant` is how far each
// stripe leans over the bar's height, so the stick and the band can lean in
// opposite directions and form chevrons when the board is shut.
void paintStripedBar(QPainter &painter, const QRectF &bar, double slant)
{
    const double stripe = 21.0;
    painter.save();
    QPainterPath shape;
    shape.addRoundedRect(bar, 2.0, 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawPath(shape);
    painter.setClipPath(shape);
    painter.setBrush(kWhite);
    for (double x = bar.left() - 2.0 * stripe; x < bar.right() + 2.0 * stripe; x += 2.0 * stripe) {
        QPainterPath band;
        band.moveTo(x, bar.bottom());
        band.lineTo(x + stripe, bar.bottom());
        band.lineTo(x + stripe + slant, bar.top());
        band.lineTo(x + slant, bar.top());
        band.closeSubpath();
        painter.drawPath(band);
    }
    painter.restore();

    painter.setPen(QPen(kBlack, 3.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(bar.adjusted(1.5, 1.5, -1.5, -1.5), 2.0, 2.0);
}

void paintBody(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawRoundedRect(QRectF(kLeft, kBodyTop - 4.0, kRight - kLeft, kBodyBottom - kBodyTop + 4.0), 6.0, 6.0);
    // The pad and pen fill the left half only: the title word and the mark are
    // written in white over the plain black right half.
    paintPadAndPen(painter, QRectF(16.0, 124.0, 122.0, 122.0));
}

void paintClapstick(QPainter &painter, Clapstick clapstick)
{
    const QPointF hinge(kLeft, kBandTop);
    painter.save();
    painter.translate(hinge);
    if (clapstick == Clapstick::Open)
        painter.rotate(-kOpenAngle);
    paintStripedBar(painter, QRectF(0.0, -kStickHeight, kRight - kLeft, kStickHeight), -12.0);
    painter.restore();

    painter.setPen(QPen(kBlack, 2.0));
    painter.setBrush(QColor(170, 170, 170));
    painter.drawEllipse(hinge + QPointF(8.0, 0.0), 6.0, 6.0);
}

} // namespace

QImage drawClapperboard(Clapstick clapstick, double scale)
{
    QImage image(pictures::scaledSize({kWidth, kHeight}, scale), QImage::Format_RGB32);
    image.fill(kWhite);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paintBody(painter);
    paintStripedBar(painter, QRectF(kLeft, kBandTop, kRight - kLeft, kStickHeight), 12.0);
    paintClapstick(painter, clapstick);
    return image;
}

} // namespace velmora
