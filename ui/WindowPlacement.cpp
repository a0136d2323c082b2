#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velmora {

QPoint centredPosition(QSize window, const QRect& available)
{
    const QPoint centred = available.center() - QRect(QPoint(0, 0), window).center();
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(centredPosition(window.size(), screen->availableGeometry()));
}

} // namespace velmora
