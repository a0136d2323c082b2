// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ApplicationSetup.h"

#include "desktop/ProgramIconEngine.h"
#include "desktop/ProgramStyle.h"
#include "painting/Fonts.h"

#include <QApplication>
#include <QTranslator>

#include <mutex>

namespace velmora {

void prepareSplash()
{
    QApplication::setApplicationName(programName());
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // A desktop matches the windows to the desktop entry, for their name and
    // icon in its task list: on Wayland by this name, on X11 by the window
    // class that the entry names.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vastrel.Velmora"));
    // Set before the first window, so that no other style is ever made.
    QApplication::setStyle(new ProgramStyle);
}

void prepareMainWindow(QApplication& app)
{
    static std::once_flag prepared;
    std::call_once(prepared, [&app] {
        // Adding the faces reads the system's font configuration, which the
        // splash's first picture, which writes nothing, need not wait for;
        // its full stops and banner come half a second later.
        // Menus, tooltips, message boxes and the help window keep the
        // desktop's font, family and size; only the game's own surface,
        // buttons and answer box are written in the game's faces.
        addGameFaces();

        // The standard buttons ("Sí", "No", "Aceptar") and the text box's
        // context menu speak Spanish whatever the machine's language is.
        auto* translator = new QTranslator(&app);
        if (translator->load(QStringLiteral(":/translations/qtbase_es.qm")))
            QApplication::installTranslator(translator);

        // Every window made with an icon decodes its sizes and sends them to
        // the window system, which the splash's first picture need not wait
        // for.
        QApplication::setWindowIcon(QIcon(new ProgramIconEngine));
    });
}

void prepareApplication(QApplication& app)
{
    prepareSplash();
    prepareMainWindow(app);
}

} // namespace velmora
