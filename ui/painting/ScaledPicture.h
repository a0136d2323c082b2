// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

class QPainter;

namespace velmora {

// One of the game's pictures as a screen shows it. The picture is drawn for
// several screen scales; painted at a device pixel ratio, it is the drawing
// for the scale that suits that ratio, read the first time it is wanted. Only
// that one drawing is held: the others cost nothing until the window is
// painted at another ratio, on another screen.
class ScaledPicture {
public:
    // The picture :/pictures/NAME.png and its drawings for the other scales.
    // The flags say how a drawing may be converted for painting.
    explicit ScaledPicture(QString name, Qt::ImageConversionFlags flags = Qt::AutoColor);

    // The drawing that suits the ratio, its own ratio set to the scale it was
    // drawn for: its size in logical pixels is the plain picture's.
    const QPixmap& at(qreal devicePixelRatio);

    // The drawing that suits the painter's device, stretched over a box.
    void paint(QPainter& painter, const QRectF& box);

    // The drawing at its own size, its top left corner at the device pixel
    // nearest the given point, so that a drawing made for the painter's scale
    // lands on the screen pixel for pixel.
    void paint(QPainter& painter, const QPointF& topLeft);

private:
    QString name_;
    Qt::ImageConversionFlags flags_;
    double scale_ = 0; // the scale of the drawing held; none yet
    QPixmap drawing_;
};

} // namespace velmora
