// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// The audio server dying, in the middle of a clip or while the game is idle,
// and coming back; run it through tests/support/with-pulseaudio.sh.
#include "ClipPlayer.h"
#include "ClipTiming.h"
#include "PrivateServer.h"
#include "SoundBank.h"

#include <QElapsedTimer>
#include <QTest>

#include <chrono>
#include <csignal>
#include <thread>

using velmora::ClipPlayer;
using velmora::Playback;
using velmora::SoundBank;
using velmora::SoundClip;
using velmora::test::PrivateServer;

namespace {

constexpr qint64 kRoundWonMs = velmora::nominalMs(SoundClip::RoundWon);
constexpr qint64 kLetterFoundMs = velmora::nominalMs(SoundClip::LetterFound);
constexpr qint64 kKillAfterMs = 500;
// Far less than the 1117 ms of the clip still to come at the kill, with room
// for a busy machine.
constexpr qint64 kNoticeMs = 700;

} // namespace

class SoundServerLossTest : public QObject {
    Q_OBJECT

private slots:
    void aClipReturnsAsSoonAsItsServerIsKilledAndLaterClipsAtOnce();
    void theFirstClipAfterTheServerIsRestartedPlays();

private:
    SoundBank bank_{};
};

void SoundServerLossTest::aClipReturnsAsSoonAsItsServerIsKilledAndLaterClipsAtOnce()
{
    const pid_t server = PrivateServer::pid();
    QVERIFY2(server > 0, "run this test through tests/support/with-pulseaudio.sh");
    ClipPlayer player(velmora::kPatientGiveUp);
    QCOMPARE(player.Reproducir_Sonido(bank_.clip(SoundClip::Miss)), Playback::Played);

    // The interface thread is blocked in the clip, so another thread kills
    // the server half a second into it, noting the time just before, so that
    // the clip cannot be seen to return before the kill, however the threads
    // are scheduled.
    QElapsedTimer clock;
    clock.start();
    qint64 killedAt = -1;
    int killed = -1;
    std::thread killer([server, &killed, &killedAt, &clock] {
        std::this_thread::sleep_for(std::chrono::milliseconds{kKillAfterMs});
        killedAt = clock.elapsed();
        killed = ::kill(server, SIGKILL);
    });
    const Playback playback = player.Reproducir_Sonido(bank_.clip(SoundClip::RoundWon));
    const qint64 returnedAt = clock.elapsed();
    killer.join();
    qInfo("killed the server %lld ms into a %lld ms clip; playback returned after %lld ms",
          killedAt, kRoundWonMs, returnedAt);
    QCOMPARE(killed, 0);
    QCOMPARE(playback, Playback::Lost);
    QVERIFY2(returnedAt >= killedAt && returnedAt - killedAt <= kNoticeMs,
             qPrintable(QStringLiteral("killed at %1 ms, returned at %2 ms").arg(killedAt).arg(returnedAt)));

    // With the server gone, the next clip does not wait for it either.
    clock.restart();
    QCOMPARE(player.Reproducir_Sonido(bank_.clip(SoundClip::SeventhMiss)), Playback::Silent);
    const qint64 afterLoss = clock.elapsed();
    qInfo("a clip after the loss returned after %lld ms", afterLoss);
    QVERIFY2(afterLoss < velmora::kAtOnceMs, qPrintable(QString::number(afterLoss)));
}

void SoundServerLossTest::theFirstClipAfterTheServerIsRestartedPlays()
{
    // The test before left the server dead.
    if (!PrivateServer::answers())
        QVERIFY(PrivateServer::restart());
    ClipPlayer player(velmora::kPatientGiveUp);
    QCOMPARE(player.Reproducir_Sonido(bank_.clip(SoundClip::Miss)), Playback::Played);

    // Killed while the game is idle, the server closes the connection
    // without the game being told; restarted, it is a new server on the same
    // socket. The first cue must notice the old connection is gone and open
    // a new one, rather than fail on the old one and leave that to the next.
    QVERIFY(PrivateServer::send(SIGKILL));
    QTRY_VERIFY_WITH_TIMEOUT(!PrivateServer::answers(), 10000);
    QVERIFY(PrivateServer::restart());

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(player.Reproducir_Sonido(bank_.clip(SoundClip::LetterFound)), Playback::Played);
    const qint64 elapsed = clock.elapsed();
    qInfo("the first clip after the restart blocked %lld ms for %lld ms", elapsed, kLetterFoundMs);
    QVERIFY2(velmora::blockedForItsLength(elapsed, kLetterFoundMs), qPrintable(QString::number(elapsed)));
}

QTEST_GUILESS_MAIN(SoundServerLossTest)
#include "SoundServerLossTest.moc"
