#pragma once

class QApplication;

// Makes the application ready for the game's windows: the fonts and Qt's
// Spanish translation carried inside the executable, the application's name
// and its icon.
void prepareApplication(QApplication& app);
