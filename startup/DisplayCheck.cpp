// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <unistd.h>

namespace velmora {

namespace {

constexpr char kMessage[] = "velmora: no hay pantalla donde abrir la ventana; defina DISPLAY (X11) o "
                            "WAYLAND_DISPLAY (Wayland) / no display to open the window on; set DISPLAY (X11) "
                            "or WAYLAND_DISPLAY (Wayland)\n";

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The value after an option of Qt's, written with one dash or two; the last
// one given counts, as for Qt.
std::string optionValue(const std::vector<std::string>& arguments, std::string_view option)
{
    std::string value;
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument == option)
            value = arguments[++i];
    }
    return value;
}

// The platforms Qt tries in turn, without the options a name may carry
// after a colon ("xcb:nograb").
std::vector<std::string> platforms(const DisplaySettings& settings)
{
    std::string list = optionValue(settings.arguments, "-platform");
    if (list.empty())
        list = settings.qpaPlatform;
    if (list.empty())
        list = settings.sessionType == "wayland" ? "wayland;xcb" : "xcb";
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        std::string name = list.substr(start, end - start);
        name = name.substr(0, name.find(':'));
        if (!name.empty())
            names.push_back(name);
        start = end + 1;
    }
    return names;
}

} // namespace

DisplaySettings DisplaySettings::ofProcess(int argc, const char* const* argv)
{
    DisplaySettings settings;
    settings.arguments.assign(argv, argv + argc);
    settings.qpaPlatform = environment("QT_QPA_PLATFORM");
    settings.sessionType = environment("XDG_SESSION_TYPE");
    settings.display = environment("DISPLAY");
    settings.waylandDisplay = environment("WAYLAND_DISPLAY");
    settings.waylandSocket = environment("WAYLAND_SOCKET");
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    settings.defaultWaylandSocket = !runtime.empty() && ::access((runtime + "/wayland-0").c_str(), F_OK) == 0;
    return settings;
}

bool lacksDisplay(const DisplaySettings& settings)
{
    const std::vector<std::string> names = platforms(settings);
    if (names.empty())
        return false;
    for (const std::string& name : names) {
        if (name == "xcb") {
            if (!settings.display.empty() || !optionValue(settings.arguments, "-display").empty())
                return false;
        } else if (name.starts_with("wayland")) {
            // Without WAYLAND_DISPLAY, a Wayland client looks for the
            // compositor's default socket.
            if (!settings.waylandDisplay.empty() || !settings.waylandSocket.empty() || settings.defaultWaylandSocket)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

bool reportMissingDisplay(int argc, const char* const* argv)
{
    if (!lacksDisplay(DisplaySettings::ofProcess(argc, argv)))
        return false;
    std::fputs(kMessage, stderr);
    return true;
}

} // namespace velmora
