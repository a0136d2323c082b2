// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>

namespace velmora::test {

namespace {

// Long enough for a loaded machine: pactl normally answers at once.
constexpr int kPactlTimeoutMs = 10000;

const QString kGameName = QStringLiteral("application.name = \"Velmora\"");

} // namespace

pid_t PrivateServer::pid()
{
    QFile pidFile(QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(QStringLiteral("pulse/pid")));
    if (!pidFile.open(QIODevice::ReadOnly))
        return 0;
    return static_cast<pid_t>(pidFile.readAll().trimmed().toLong());
}

bool PrivateServer::send(int signalNumber)
{
    const pid_t server = pid();
    return server > 0 && ::kill(server, signalNumber) == 0;
}

QString PrivateServer::pactl(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(kPactlTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool PrivateServer::answers()
{
    return !pactl({QStringLiteral("info")}).isEmpty();
}

bool PrivateServer::restart()
{
    const QString script = qEnvironmentVariable("VELMORA_WITH_PULSEAUDIO");
    return !script.isEmpty() && QProcess::execute(script, {QStringLiteral("--restart")}) == 0 && answers();
}

int PrivateServer::gameStreams()
{
    return static_cast<int>(pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}).count(kGameName));
}

bool PrivateServer::gameConnected()
{
    return pactl({QStringLiteral("list"), QStringLiteral("clients")}).contains(kGameName);
}

QString PrivateServer::sinkState(const QString& sink)
{
    const QStringList lines = pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList columns = line.split(QLatin1Char('\t'));
        if (columns.size() >= 5 && columns[1] == sink)
            return columns[4].trimmed();
    }
    return {};
}

} // namespace velmora::test
