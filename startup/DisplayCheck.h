// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace velmora {

// What decides where the program's windows open, as Qt reads it when the
// application object is made.
struct DisplaySettings {
    std::vector<std::string> arguments; // the command line, for -platform and -display
    std::string qpaPlatform;            // QT_QPA_PLATFORM
    std::string sessionType;            // XDG_SESSION_TYPE
    std::string display;                // DISPLAY
    std::string waylandDisplay;         // WAYLAND_DISPLAY
    std::string waylandSocket;          // WAYLAND_SOCKET
    bool defaultWaylandSocket = false;  // $XDG_RUNTIME_DIR/wayland-0 exists

    // The settings of this process.
    static DisplaySettings ofProcess(int argc, const char* const* argv);
};

// Whether every platform Qt would try needs a display server, X11 ("xcb") or
// Wayland, and none of them has one named to talk to. Other platforms
// (offscreen, a framebuffer, VNC...) need none.
bool lacksDisplay(const DisplaySettings& settings);

// The one line, in Spanish and English, that tells the player no window can
// be opened: each platform Qt tried, with the display it tried it on
// ("X11 en DISPLAY=:99", "la plataforma «bogus»"), and, when no display was
// named at all, which variables name one.
std::string displayFailureMessage(const DisplaySettings& settings);

// Makes the application object from the arguments Qt is to read. Where Qt
// can open windows on none of the platforms it tries (no display named, a
// display that does not answer, a platform that does not exist), it would
// abort the process; instead the player gets displayFailureMessage on
// standard error and the program ends with status 1. Qt's messages while
// the object is made are held back meanwhile, and given out as usual once
// it exists.
std::unique_ptr<QApplication> makeApplication(int& argc, char** argv);

} // namespace velmora
