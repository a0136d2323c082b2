// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace velmora {

// Where a window of the given size goes to sit centred on `centre` while
// staying inside a screen's available area. A window larger than the area
// starts at the area's top-left corner instead, so the window's own top-left
// (its menus, its first controls) stays on the screen.
QPoint centredPosition(QSize window, QPoint centre, const QRect& available);

// Whether the desktop tiles its windows (sway, i3, Hyprland), sizing each to
// its tile unless the window says its size cannot change. Such a desktop
// tells its programs where to reach it through their environment.
bool desktopTilesWindows();

// Moves a window that is not shown yet to the centre of the primary screen.
void centreOnScreen(QWidget& window);

} // namespace velmora
