// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// The audio server dying in the middle of a clip; run it through
// tests/support/with-pulseaudio.sh, which this test leaves without a server.
#include "ClipPlayer.h"
#include "ClipTiming.h"
#include "SoundBank.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <chrono>
#include <csignal>
#include <thread>

#include <sys/types.h>

using velmora::ClipPlayer;
using velmora::SoundBank;
using velmora::SoundClip;

namespace {

constexpr qint64 kRoundWonMs = 1617;
constexpr qint64 kKillAfterMs = 500;
// Far less than the 1117 ms of the clip still to come at the kill, with room
// for a busy machine.
constexpr qint64 kNoticeMs = 700;

pid_t serverPid()
{
    QFile pidFile(QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(QStringLiteral("pulse/pid")));
    if (!pidFile.open(QIODevice::ReadOnly))
        return 0;
    return static_cast<pid_t>(pidFile.readAll().trimmed().toLong());
}

} // namespace

class SoundServerLossTest : public QObject {
    Q_OBJECT

private slots:
    void aClipReturnsAsSoonAsItsServerIsKilledAndLaterClipsAtOnce();
};

void SoundServerLossTest::aClipReturnsAsSoonAsItsServerIsKilledAndLaterClipsAtOnce()
{
    const pid_t server = serverPid();
    QVERIFY2(server > 0, "run this test through tests/support/with-pulseaudio.sh");
    SoundBank bank;
    ClipPlayer player;
    player.Reproducir_Sonido(bank.clip(SoundClip::Miss));

    // The interface thread is blocked in the clip, so another thread kills
    // the server half a second into it and notes when.
    QElapsedTimer clock;
    clock.start();
    qint64 killedAt = -1;
    int killed = -1;
    std::thread killer([server, &killed, &killedAt, &clock] {
        std::this_thread::sleep_for(std::chrono::milliseconds{kKillAfterMs});
        killed = ::kill(server, SIGKILL);
        killedAt = clock.elapsed();
    });
    player.Reproducir_Sonido(bank.clip(SoundClip::RoundWon));
    const qint64 returnedAt = clock.elapsed();
    killer.join();
    qInfo("killed the server %lld ms into a %lld ms clip; playback returned after %lld ms",
          killedAt, kRoundWonMs, returnedAt);
    QCOMPARE(killed, 0);
    QVERIFY2(returnedAt >= killedAt && returnedAt - killedAt <= kNoticeMs,
             qPrintable(QStringLiteral("killed at %1 ms, returned at %2 ms").arg(killedAt).arg(returnedAt)));

    // With the server gone, the next clip does not wait for it either.
    clock.restart();
    player.Reproducir_Sonido(bank.clip(SoundClip::SeventhMiss));
    const qint64 afterLoss = clock.elapsed();
    qInfo("a clip after the loss returned after %lld ms", afterLoss);
    QVERIFY2(afterLoss < velmora::kAtOnceMs, qPrintable(QString::number(afterLoss)));
}

QTEST_GUILESS_MAIN(SoundServerLossTest)
#include "SoundServerLossTest.moc"
