// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velmora {

namespace {

// The start of a span of `length` centred on `centre`, pulled back inside
// [first, first + room) where it fits and never before `first`.
int centredStart(int length, int centre, int first, int room)
{
    const int centred = centre - (length - 1) / 2;
    return std::max(std::min(centred, first + room - length), first);
}

} // namespace

QPoint centredPosition(QSize window, QPoint centre, const QRect& available)
{
    return {centredStart(window.width(), centre.x(), available.left(), available.width()),
            centredStart(window.height(), centre.y(), available.top(), available.height())};
}

bool desktopTilesWindows()
{
    return qEnvironmentVariableIsSet("SWAYSOCK") || qEnvironmentVariableIsSet("I3SOCK") ||
           qEnvironmentVariableIsSet("HYPRLAND_INSTANCE_SIGNATURE");
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        window.move(centredPosition(window.size(), available.center(), available));
    }
}

} // namespace velmora
