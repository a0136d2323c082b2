#pragma once

class QApplication;

namespace velmora {

// Makes the application ready for the splash window: the two faces it draws
// with, carried inside the executable, and the application's name.
void prepareSplash();

// Makes the application ready for the main window: its third face, Qt's
// Spanish translation and the program icon, which every window then shows.
// The splash does without them, so the program loads them once the splash is
// on the screen; calling it again does nothing.
void prepareMainWindow(QApplication& app);

// Both at once, for a program that shows the main window straight away.
void prepareApplication(QApplication& app);

} // namespace velmora
