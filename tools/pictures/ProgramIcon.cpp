// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramIcon.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <string_view>

namespace velmora {

namespace {

// The drawing is laid out on a 256-unit square and scaled to the target. Its
// straight edges lie on multiples of 8 units, the pixel grid of the 32-pixel
// icon, so that size stays sharp without being drawn by hand.
constexpr double kDesign = 256.0;

const QColor kOutline(64, 64, 64);
const QColor kPaper(255, 255, 255);
const QColor kBinding(176, 32, 40);
const QColor kRule(150, 190, 235);
const QColor kInk(0, 0, 0);
const QColor kPenBody(24, 72, 230);
const QColor kPenShine(110, 165, 255);
const QColor kPenDark(16, 40, 120);
const QColor kPenCollar(222, 226, 234);
const QColor kWriting(20, 60, 210);

constexpr double kLetterTop = 56.0;
constexpr double kLetterHeight = 96.0;
constexpr double kLetterWidth = 72.0;

QPainterPath letterV(double left)
{
    // A bold V with a flat foot: the arms are 24 units wide across the top.
    const double arm = 24.0;
    const double foot = 10.0;
    const double centre = left + kLetterWidth / 2.0;
    const double bottom = kLetterTop + kLetterHeight;
    const double slope = (centre - foot - left) / kLetterHeight;
    const double notch = kLetterTop + (centre - left - arm) / slope;

    QPainterPath path;
    path.moveTo(left, kLetterTop);
    path.lineTo(left + arm, kLetterTop);
    path.lineTo(centre, notch);
    path.lineTo(left + kLetterWidth - arm, kLetterTop);
    path.lineTo(left + kLetterWidth, kLetterTop);
    path.lineTo(centre + foot, bottom);
    path.lineTo(centre - foot, bottom);
    path.closeSubpath();
    return path;
}

QPainterPath letterQ(double left)
{
    const QRectF outer(left, kLetterTop, kLetterWidth, kLetterHeight);
    QPainterPath ring;
    ring.addEllipse(outer);
    QPainterPath hole;
    hole.addEllipse(outer.adjusted(24.0, 20.0, -24.0, -20.0));
    ring = ring.subtracted(hole);

    // The tail crosses the ring at its lower right and ends just outside it.
    QPainterPath tail;
    tail.moveTo(left + 38.0, kLetterTop + 66.0);
    tail.lineTo(left + 56.0, kLetterTop + 58.0);
    tail.lineTo(left + kLetterWidth + 6.0, kLetterTop + kLetterHeight + 2.0);
    tail.lineTo(left + kLetterWidth - 14.0, kLetterTop + kLetterHeight + 8.0);
    tail.closeSubpath();
    return ring.united(tail);
}

void paintPad(QPainter &painter)
{
    const QRectF pad(20.0, 20.0, 200.0, 224.0);
    painter.setPen(QPen(kOutline, 8.0));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(pad, 10.0, 10.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kBinding);
    // The binding is the top strip of a rounded rectangle inside the pad's
    // border. An SVG drawing keeps no clipping, so there the strip is cut out
    // as a shape of its own; the pictures keep the clipped drawing they were
    // made with.
    QPainterPath binding;
    binding.addRoundedRect(pad.adjusted(4.0, 4.0, -4.0, 0.0), 8.0, 8.0);
    const QRectF strip(pad.left(), pad.top(), pad.width(), 28.0);
    if (painter.paintEngine()->type() == QPaintEngine::SVG) {
        QPainterPath cut;
        cut.addRect(strip);
        painter.drawPath(binding.intersected(cut));
    } else {
        painter.save();
        painter.setClipRect(strip);
        painter.drawPath(binding);
        painter.restore();
    }

    painter.setPen(QPen(kRule, 6.0));
    for (double y = 84.0; y < pad.bottom() - 8.0; y += 24.0)
        painter.drawLine(QPointF(pad.left() + 4.0, y), QPointF(pad.right() - 4.0, y));
}

void paintLetters(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPath(letterV(40.0));
    painter.drawPath(letterQ(128.0));
}

// The pen lies along a line from its felt tip down to the lower right corner;
// it is drawn in its own frame, x along the pen from the tip, y across it.
void paintPen(QPainter &painter)
{
    const QPointF tip(136.0, 184.0);
    const double length = 122.0;
    const double half = 17.0;

    QPen writing(kWriting, 7.0);
    writing.setCapStyle(Qt::RoundCap);
    painter.setPen(writing);
    painter.setBrush(Qt::NoBrush);
    QPainterPath line;
    line.moveTo(44.0, 176.0);
    line.cubicTo(70.0, 166.0, 96.0, 196.0, tip.x(), tip.y());
    painter.drawPath(line);

    painter.save();
    painter.translate(tip);
    painter.rotate(36.0);
    painter.setPen(QPen(kPenDark, 4.0));

    QPainterPath nib;
    nib.moveTo(0.0, -3.0);
    nib.lineTo(14.0, -7.0);
    nib.lineTo(14.0, 7.0);
    nib.lineTo(0.0, 3.0);
    nib.closeSubpath();
    painter.setBrush(kPenDark);
    painter.drawPath(nib);

    QPainterPath collar;
    collar.moveTo(14.0, -8.0);
    collar.lineTo(32.0, -half);
    collar.lineTo(32.0, half);
    collar.lineTo(14.0, 8.0);
    collar.closeSubpath();
    painter.setBrush(kPenCollar);
    painter.drawPath(collar);

    const QRectF body(32.0, -half, length - 32.0, 2.0 * half);
    painter.setBrush(kPenBody);
    painter.drawRoundedRect(body, 8.0, 8.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kPenShine);
    painter.drawRoundedRect(QRectF(40.0, -half + 6.0, length - 56.0, 7.0), 3.5, 3.5);
    painter.setBrush(kPenDark);
    painter.drawRect(QRectF(length - 30.0, -half + 2.0, 8.0, 2.0 * half - 4.0));
    painter.restore();
}

// Rows of the hand-drawn 16-pixel icon; every colour in it is one of the
// sixteen standard palette colours, so the 16-colour entry keeps it exactly.
constexpr std::array<std::string_view, 16> kSmallIcon{
    ".gggggggggggggg.",
    "gRRRRRRRRRRRRRRg",
    "gWWWWWWWWWWWWWWg",
    "gWKKWKKWWKKKWWWg",
    "gWKKWKKWKKWKKWWg",
    "gWKKWKKWKKWKKWWg",
    "gWKKWKKWKKWKKWWg",
    "gWWKKKWWKKWKKWWg",
    "gWWKKKWWWKKKWWWg",
    "gWWWKWWWWWWKKWWg",
    "gSSSSSSSSSSSSSSg",
    "gWBBBBBBNWWWWWWg",
    "gWWWWWWWWSBNWWWg",
    "gSSSSSSSSSBBNSSg",
    "gWWWWWWWWWWBBNWg",
    ".ggggggggggggBBN",
};

QRgb smallIconColour(char code)
{
    switch (code) {
    case 'g': return qRgb(128, 128, 128);
    case 'R': return qRgb(128, 0, 0);
    case 'W': return qRgb(255, 255, 255);
    case 'K': return qRgb(0, 0, 0);
    case 'S': return qRgb(192, 192, 192);
    case 'B': return qRgb(0, 0, 255);
    case 'N': return qRgb(0, 0, 128);
    default: return qRgba(0, 0, 0, 0);
    }
}

QImage drawSmallIcon()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, smallIconColour(kSmallIcon[y][x]));
    }
    return image;
}

} // namespace

void paintPadAndPen(QPainter &painter, const QRectF &target)
{
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / kDesign, target.height() / kDesign);
    paintPad(painter);
    paintLetters(painter);
    paintPen(painter);
    painter.restore();
}

QImage drawProgramIcon(int size)
{
    if (size == 16)
        return drawSmallIcon();

    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintPadAndPen(painter, QRectF(0.0, 0.0, size, size));
    return image;
}

} // namespace velmora
