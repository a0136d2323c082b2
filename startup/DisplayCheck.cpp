// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string_view>

#include <unistd.h>

namespace velmora {

namespace {

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

// A value as the message shows it: on its one line, whatever it holds.
std::string shown(std::string value)
{
    std::replace_if(value.begin(), value.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
    return value;
}

struct Tried {
    std::string spanish;
    std::string english;
};

// A platform Qt tried, and the display it tried it on.
Tried tried(const DisplaySettings& settings, const std::string& platform)
{
    if (platform == "xcb") {
        const std::string option = optionValue(settings.arguments, "-display");
        if (!option.empty())
            return {"X11 en -display " + shown(option), "X11 on -display " + shown(option)};
        if (!settings.display.empty())
            return {"X11 en DISPLAY=" + shown(settings.display), "X11 on DISPLAY=" + shown(settings.display)};
        return {"X11 sin DISPLAY", "X11 without DISPLAY"};
    }
    if (platform.starts_with("wayland")) {
        std::string where;
        if (!settings.waylandSocket.empty())
            where = "WAYLAND_SOCKET=" + shown(settings.waylandSocket);
        else if (!settings.waylandDisplay.empty())
            where = "WAYLAND_DISPLAY=" + shown(settings.waylandDisplay);
        if (where.empty())
            return {"Wayland sin WAYLAND_DISPLAY", "Wayland without WAYLAND_DISPLAY"};
        return {"Wayland en " + where, "Wayland on " + where};
    }
    return {"la plataforma «" + shown(platform) + "»", "the platform \"" + shown(platform) + "\""};
}

// Qt's messages while the application object is made, and the line that
// takes their place should Qt give up. It outlives every call of Qt's.
struct HeldMessages {
    struct Message {
        QtMsgType type;
        std::string file;
        int line;
        std::string function;
        std::string category;
        QString text;
    };

    std::mutex mutex;
    std::string failure;
    std::vector<Message> messages;
};

HeldMessages held;

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(held.mutex);
    if (type == QtFatalMsg) {
        // Qt opened no platform and would abort: a setting of the desktop
        // the player can mend, not a fault of the program, so the program
        // says what was tried and ends without a core.
        std::fputs(held.failure.c_str(), stderr);
        _exit(1);
    }
    const auto orEmpty = [](const char* text) { return std::string(text != nullptr ? text : ""); };
    held.messages.push_back(
        {type, orEmpty(context.file), context.line, orEmpty(context.function), orEmpty(context.category), text});
}

const char* orNull(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
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

std::string displayFailureMessage(const DisplaySettings& settings)
{
    std::string spanish;
    std::string english;
    for (const std::string& platform : platforms(settings)) {
        const Tried one = tried(settings, platform);
        spanish += (spanish.empty() ? "" : ", ") + one.spanish;
        english += (english.empty() ? "" : ", ") + one.english;
    }
    std::string message = "velmora: no se puede abrir la ventana en ninguna pantalla (probado: " + spanish + ")";
    if (lacksDisplay(settings))
        message += "; defina DISPLAY (X11) o WAYLAND_DISPLAY (Wayland)";
    message += " / cannot open the window on any display (tried: " + english + ")";
    if (lacksDisplay(settings))
        message += "; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)";
    return message + "\n";
}

std::unique_ptr<QApplication> makeApplication(int& argc, char** argv)
{
    {
        const std::lock_guard lock(held.mutex);
        held.failure = displayFailureMessage(DisplaySettings::ofProcess(argc, argv));
    }
    const QtMessageHandler previous = qInstallMessageHandler(holdBack);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);

    std::vector<HeldMessages::Message> messages;
    {
        const std::lock_guard lock(held.mutex);
        messages.swap(held.messages);
    }
    for (const HeldMessages::Message& message : messages) {
        const QMessageLogContext context(orNull(message.file), message.line, orNull(message.function),
                                         orNull(message.category));
        qt_message_output(message.type, context, message.text);
    }
    return application;
}

} // namespace velmora
