// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlatButton.h"

#include "KeyText.h"

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

void FlatButton::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, background_);

    // A raised bevel, pressed in while the button is held down.
    const bool down = isDown();
    const QColor light = down ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor shade = down ? QColor(255, 255, 255) : QColor(64, 64, 64);
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(shade);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());

    const QPoint offset = down ? QPoint(1, 1) : QPoint();
    if (!picture_.isNull()) {
        QRect target(QPoint(), picture_.size());
        target.moveCenter(r.center() + offset);
        painter.drawPixmap(target, picture_);
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
    const int code = latin1KeyCode(*event);
    if (code >= 0 && onKeyCode)
        onKeyCode(code);
    const bool activation = !event->isAutoRepeat() &&
                            (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                             event->key() == Qt::Key_Enter);
    if (activation && isEnabled() && activatesOnKeys())
        click();
    // Keys never travel on to the window, so none is handled twice.
    event->accept();
}

void FlatButton::keyReleaseEvent(QKeyEvent* event)
{
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
