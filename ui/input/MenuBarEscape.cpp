// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/MenuBarEscape.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace velmora {

MenuBarEscape::MenuBarEscape(QMenuBar& bar)
    : bar_(bar)
{
    for (QAction* item : bar.actions()) {
        if (QMenu* menu = item->menu())
            menu->installEventFilter(this);
    }
}

bool MenuBarEscape::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Once the menu has closed and handed the keys to the bar, a second
        // Escape on the bar gives them back, as the player's own would.
        QMetaObject::invokeMethod(
            &bar_,
            [bar = &bar_] {
                if (bar->hasFocus()) {
                    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                    QCoreApplication::sendEvent(bar, &escape);
                }
            },
            Qt::QueuedConnection);
    }
    return false;
}

} // namespace velmora
