// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "DesktopUrlOpener.h"
#include "DisplayCheck.h"
#include "EntropyRandom.h"
#include "HelpItems.h"
#include "HelpPageAddress.h"
#include "SoundCuePlayer.h"
#include "StandardHelpDialogs.h"
#include "SystemNetworkCheck.h"
#include "TextBrowserHelpViewer.h"
#include "desktop/ApplicationSetup.h"
#include "frmInicio.h"
#include "frmVelmora.h"

#include <QApplication>
#include <QThreadPool>

#include <malloc.h>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    // Each sound clip is decoded into a large buffer of its own just before
    // it plays, and freed after it. The C library raises the size from which
    // it maps a block of its own to the size of the first such block freed;
    // later clips then come from the heap and leave it swollen. Fixed at its
    // default, every large block goes back to the system when freed, so the
    // memory of a round does not grow with the clips it has played.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);

    // The command line is read before Qt needs a display, so --help and a
    // wrong option are answered anywhere.
    velmora::CommandLine commandLine = velmora::parseCommandLine(argc, argv);
    if (const std::optional<int> exitStatus = velmora::answerWithoutPlaying(commandLine, stdout, stderr))
        return *exitStatus;

    // Where Qt can open no window it would abort; the player is told what
    // was tried instead, and the program ends.
    const std::unique_ptr<QApplication> application =
        velmora::makeApplication(commandLine.qtArgumentCount, commandLine.qtArguments.data());
    QApplication& app = *application;
    // Qt's raster engine shares the rows of a large scaled picture, such as
    // the splash's clapperboard, out among the threads of the global pool,
    // one per processor, and each keeps its stack and a heap of its own for
    // the rest of the run. One is enough for the game's few pictures, and it
    // ends as soon as it has drawn them rather than waiting idle for more:
    // such pictures are painted seldom, and starting a thread costs far less
    // than painting one.
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setMaxThreadCount(1);
    pool->setExpiryTimeout(0);

    std::optional<velmora::TitleList> titles = velmora::titlesFromCommandLine(commandLine, stderr);
    velmora::prepareSplash();

    // The Help menu lives as long as the program, longer than the main window.
    // It is made with the main window, so looking for the help page on disk
    // does not delay the splash.
    std::unique_ptr<velmora::HelpItems> help;

    const bool onScreenKeyboard = commandLine.onScreenKeyboard;
    auto* splash = new velmora::frmInicio([&app, &help, &titles, onScreenKeyboard]() -> QWidget* {
        // Done already, unless the splash was never painted.
        velmora::prepareMainWindow(app);
        const velmora::HelpPageLocations pages = velmora::helpPageLocationsFor(QCoreApplication::applicationDirPath());
        help = std::make_unique<velmora::HelpItems>(velmora::helpPageAddress(pages), velmora::shippedHelpPage(pages),
                                                    std::make_unique<velmora::SystemNetworkCheck>(),
                                                    std::make_unique<velmora::DesktopUrlOpener>(),
                                                    std::make_unique<velmora::TextBrowserHelpViewer>(),
                                                    std::make_unique<velmora::StandardHelpDialogs>());
        velmora::WindowServices services;
        services.loadSounds = [] { return std::make_unique<velmora::SoundCuePlayer>(); };
        services.random = std::make_unique<velmora::EntropyRandom>();
        services.help = help.get();
        services.titles = std::move(titles);
        services.onScreenKeyboard = onScreenKeyboard;
        titles.reset();
        auto* mainWindow = new velmora::frmVelmora(std::move(services));
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        return mainWindow;
    });
    // What only the main window needs is loaded once the splash's first
    // picture is on the screen, well before the hand-over.
    QObject::connect(splash, &velmora::frmInicio::firstPainted, &app, [&app] { velmora::prepareMainWindow(app); },
                     Qt::QueuedConnection);
    splash->show();

    // The program ends when its last window closes: the main window, or the
    // splash if it is closed before the hand-over.
    return app.exec();
}
