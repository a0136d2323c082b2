// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ProgramStyle.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace velmora {

namespace {

constexpr int kSide = 16;

// Two chevrons pointing right, or down for a vertical bar.
QIcon chevrons(Qt::Orientation orientation, const QColor& colour)
{
    QPixmap picture(kSide, kSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (orientation == Qt::Vertical) {
        painter.translate(kSide, 0);
        painter.rotate(90);
    }
    for (const qreal left : {4.0, 8.5})
        painter.drawPolyline(QPolygonF({QPointF(left, 4), QPointF(left + 3.5, 8), QPointF(left, 12)}));
    painter.end();
    return QIcon(picture);
}

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(which, option, widget);
    const QPalette palette = widget ? widget->palette() : standardPalette();
    return chevrons(which == SP_ToolBarVerticalExtensionButton ? Qt::Vertical : Qt::Horizontal,
                    palette.color(QPalette::ButtonText));
}

} // namespace velmora
