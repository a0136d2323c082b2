// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopUrlOpener.h"

#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <unistd.h>

#include <memory>
#include <utility>

namespace velmora {

DesktopUrlOpener::DesktopUrlOpener(QString opener, std::chrono::milliseconds patience)
    : opener_(std::move(opener))
    , patience_(patience)
{
}

DesktopUrlOpener::~DesktopUrlOpener()
{
    // An opener still running waits for the browser it started; ending it
    // leaves the browser, which has a session of its own, to the player.
    for (QProcess* process : processes_.findChildren<QProcess*>()) {
        process->disconnect();
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished();
        }
    }
}

void DesktopUrlOpener::open(const QUrl& address, std::function<void(bool opened)> done)
{
    auto* process = new QProcess(&processes_);
    process->setProgram(opener_);
    process->setArguments({address.toString(QUrl::FullyEncoded)});
    // What the opener says goes where the game's own messages go.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    // In a session of its own, the browser does not end with the game, nor
    // with the terminal the game was started from.
    process->setChildProcessModifier([] { ::setsid(); });

    // The first of the exit, a failure to start and the end of the patience
    // gives the answer.
    auto answer = std::make_shared<std::function<void(bool)>>(std::move(done));
    const auto reply = [answer](bool opened) {
        if (*answer) {
            const std::function<void(bool)> once = std::exchange(*answer, nullptr);
            once(opened);
        }
    };
    QObject::connect(process, &QProcess::finished, process, [process, reply](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        reply(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, reply](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        reply(false);
    });
    QTimer::singleShot(patience_, process, [reply] { reply(true); });
    process->start();
}

} // namespace velmora
