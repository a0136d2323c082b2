// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/FlatButton.h"

#include "painting/ScaledPicture.h"

#include <QKeyEvent>
#include <QPainter>

namespace velmora {

FlatButton::FlatButton(QWidget* parent)
    : QPushButton(parent)
{
    setMouseTracking(true);
    setAutoDefault(false);
}

void FlatButton::setBackground(const QColor& colour)
{
    if (colour == background_)
        return;
    background_ = colour;
    update();
}

void FlatButton::setPicture(ScaledPicture* picture)
{
    picture_ = picture;
    update();
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect();

    // A raised bevel one pixel wide, pressed in while the button is held
    // down. It is laid as three fills, each over the last and each reaching
    // the button's edge on two sides: on a screen whose scale puts the
    // button's edges between device pixels, every pixel of the button is
    // still covered, the shade always outermost on the bottom and right.
    const bool down = isDown();
    const QColor light = down ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor shade = down ? QColor(255, 255, 255) : QColor(64, 64, 64);
    painter.fillRect(r, shade);
    painter.fillRect(r.adjusted(0, 0, -1, -1), light);
    painter.fillRect(r.adjusted(1, 1, -1, -1), background_);

    const QPoint offset = down ? QPoint(1, 1) : QPoint();
    if (picture_ != nullptr) {
        const QSizeF size = picture_->at(devicePixelRatioF()).deviceIndependentSize();
        QRectF target(QPointF(), size);
        target.moveCenter(QRectF(r).center() + offset);
        picture_->paint(painter, target.topLeft());
    }
    if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(isEnabled() ? QColor(Qt::black) : QColor(128, 128, 128));
        painter.drawText(r.translated(offset), Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        QPen dotted(Qt::black, 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

void FlatButton::keyPressEvent(QKeyEvent* event)
{
    const bool activation = !repeats_.isRepeat(*event) &&
                            (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                             event->key() == Qt::Key_Enter);
    if (activation && isEnabled() && activatesOnKeys())
        click();
    // Keys never travel on to the window, so none is handled twice.
    event->accept();
}

void FlatButton::keyReleaseEvent(QKeyEvent* event)
{
    repeats_.released(*event);
    event->accept();
}

void FlatButton::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove();
    QPushButton::mouseMoveEvent(event);
    // A movement over the button is the button's alone; passed on, it would
    // reach the window's surface and undo the hover colour.
    event->accept();
}

} // namespace velmora
