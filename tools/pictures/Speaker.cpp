// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Speaker.h"

#include "painting/PictureScales.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace velmora {

namespace {

constexpr int kWidth = 20;
constexpr int kHeight = 16;

// The picture is laid out on the 20 x 16 grid of its plain size, and painted
// scaled to the scale it is drawn for. Where an edge is straight it sits on
// a pixel edge at that scale, so the loudspeaker stays crisp at this tiny
// size and only its slopes are smoothed.
class Grid {
public:
    explicit Grid(double scale) : scale_(scale) {}

    // A coordinate of the plain grid moved to the nearest pixel edge.
    double edge(double plain) const { return std::round(plain * scale_) / scale_; }
    QPointF edge(double x, double y) const { return {edge(x), edge(y)}; }
    QRectF edges(double left, double top, double width, double height) const
    {
        return {edge(left, top), edge(left + width, top + height)};
    }

private:
    double scale_;
};

void paintLoudspeaker(QPainter &painter, const Grid &grid)
{
    const QColor outline(70, 70, 70);

    QPainterPath cone;
    cone.moveTo(grid.edge(6.0, 5.0));
    cone.lineTo(grid.edge(11.0, 1.0));
    cone.lineTo(grid.edge(12.0, 1.0));
    cone.lineTo(grid.edge(12.0, 15.0));
    cone.lineTo(grid.edge(11.0, 15.0));
    cone.lineTo(grid.edge(6.0, 11.0));
    cone.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    painter.drawPath(cone);

    // Its slanting edges end where they meet the cone's slopes.
    QPainterPath coneFace;
    coneFace.moveTo(grid.edge(7.0), 6.2);
    coneFace.lineTo(grid.edge(11.0, 3.0));
    coneFace.lineTo(grid.edge(11.0, 13.0));
    coneFace.lineTo(grid.edge(7.0), 9.8);
    coneFace.closeSubpath();
    painter.setBrush(QColor(168, 168, 168));
    painter.drawPath(coneFace);

    painter.setBrush(outline);
    painter.drawRect(grid.edges(2.0, 5.0, 5.0, 6.0));
    painter.setBrush(QColor(128, 128, 128));
    painter.drawRect(grid.edges(3.0, 6.0, 3.0, 4.0));
}

void paintWaves(QPainter &painter)
{
    QPen pen(QColor(0, 176, 32), 1.5);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Two arcs around the mouth of the cone; QPainter counts angles in 1/16 degree.
    const QPointF centre(11.0, 8.0);
    for (const double radius : {4.5, 7.5}) {
        const QRectF bounds(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);
        painter.drawArc(bounds, -45 * 16, 90 * 16);
    }
}

void paintStrike(QPainter &painter)
{
    QPen pen(QColor(224, 0, 0), 2.0);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(2.0, 1.5), QPointF(15.5, 14.5));
}

} // namespace

QImage drawSpeaker(SpeakerState state, double scale)
{
    QImage image(pictures::scaledSize({kWidth, kHeight}, scale), QImage::Format_ARGB32);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paintLoudspeaker(painter, Grid(scale));
    if (state == SpeakerState::On)
        paintWaves(painter);
    else
        paintStrike(painter);
    return image;
}

} // namespace velmora
