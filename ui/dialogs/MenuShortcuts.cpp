// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MenuShortcuts.h"

#include <QMenu>
#include <QMenuBar>

namespace velmora {

void writeShortcutsIntoItems(QMenuBar& menuBar)
{
    for (QMenu* menu : menuBar.findChildren<QMenu*>()) {
        for (QAction* item : menu->actions()) {
            if (!item->shortcut().isEmpty() && !item->text().contains(QLatin1Char('\t')))
                item->setText(item->text() + QLatin1Char('\t') +
                              item->shortcut().toString(QKeySequence::NativeText));
        }
    }
}

} // namespace velmora
