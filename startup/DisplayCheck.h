// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace velmora {

// What decides where the program's windows would open, read before the
// application object exists: Qt aborts when it finds no display server,
// and the program would rather say so and end.
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
// Wayland, and none of them has one to talk to. Other platforms (offscreen,
// a framebuffer, VNC...) are Qt's own business.
bool lacksDisplay(const DisplaySettings& settings);

// Prints a one-line message in Spanish and English on standard error and
// returns true when this process lacks a display; then the program ends.
bool reportMissingDisplay(int argc, const char* const* argv);

} // namespace velmora
