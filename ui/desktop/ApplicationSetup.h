// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QApplication;

namespace velmora {

// The program's name, as the desktop and the title of its message boxes show it.
inline QString programName()
{
    return QStringLiteral("Velmora");
}

// Makes the application ready for the splash window: the application's name.
// The splash's first picture is all pictures, so it needs no face.
void prepareSplash();

// Makes the application ready for the main window and for the splash's
// later pictures: the game's faces, Qt's Spanish translation and the program
// icon, which every window then shows. The splash's first picture does
// without them, so the program loads them once that is on the screen; calling
// it again does nothing.
void prepareMainWindow(QApplication& app);

// Both at once, for a program that shows the main window straight away.
void prepareApplication(QApplication& app);

} // namespace velmora
