// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenuBar;

namespace velmora {

// Writes each menu item's shortcut into its text, after a tab, where a menu
// shows it anyway: the item is drawn just the same, and a screen reader,
// which reads the text as the item's name but is given no usable shortcut
// by Qt 6.4, says it ("Nuevo juego F2").
void writeShortcutsIntoItems(QMenuBar& menuBar);

} // namespace velmora
