// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// Synchronous playback against a real PulseAudio server; run it through
// tests/support/with-pulseaudio.sh.
#include "ClipPlayer.h"
#include "ClipTiming.h"
#include "SoundBank.h"
#include "SoundCuePlayer.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <chrono>

using velmora::ClipPlayer;
using velmora::Playback;
using velmora::SoundBank;
using velmora::SoundClip;
using velmora::SoundCuePlayer;

namespace {

struct Timed {
    Playback playback;
    qint64 elapsedMs;
};

Timed playTimed(ClipPlayer& player, const QByteArray& image)
{
    QElapsedTimer clock;
    clock.start();
    const Playback playback = player.Reproducir_Sonido(image);
    return {playback, clock.elapsed()};
}

} // namespace

class SoundPlaybackTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void eachClipBlocksForItsDuration_data();
    void eachClipBlocksForItsDuration();
    void noQueuedEventOrTimerRunsWhileAClipPlays();
    void whatFellDueDuringAClipRunsAfterIt();
    void theCuePlayerPlaysTheBanksClipToItsEnd();
    void clipsPlayedBackToBackEachLastTheirLength();

private:
    SoundBank bank_{};
    ClipPlayer player_{velmora::kPatientGiveUp};
};

void SoundPlaybackTest::initTestCase()
{
    // A short warm-up clip keeps whatever the first playback of a process
    // sets up, on either side of the connection, out of the measured clips.
    QCOMPARE(playTimed(player_, bank_.clip(SoundClip::Miss)).playback, Playback::Played);
}

void SoundPlaybackTest::eachClipBlocksForItsDuration_data()
{
    QTest::addColumn<SoundClip>("clip");
    QTest::addColumn<int>("durationMs");
    QTest::newRow("101") << SoundClip::SeventhMiss << 1332;
    QTest::newRow("102") << SoundClip::NewTitle << 1149;
    QTest::newRow("103") << SoundClip::RoundLost << 903;
    QTest::newRow("104") << SoundClip::Miss << 534;
    QTest::newRow("105") << SoundClip::RoundWon << 1617;
    QTest::newRow("106") << SoundClip::LetterFound << 784;
}

void SoundPlaybackTest::eachClipBlocksForItsDuration()
{
    QFETCH(SoundClip, clip);
    QFETCH(int, durationMs);
    const auto [playback, elapsed] = playTimed(player_, bank_.clip(clip));
    qInfo("clip %d: blocked %lld ms for %d ms", static_cast<int>(clip), elapsed, durationMs);
    // The server reported the clip's end; a drain it never reported would
    // leave the clip given up.
    QCOMPARE(playback, Playback::Played);
    QVERIFY2(velmora::blockedForItsLength(elapsed, durationMs),
             qPrintable(QStringLiteral("blocked %1 ms for a clip of %2 ms").arg(elapsed).arg(durationMs)));
}

void SoundPlaybackTest::noQueuedEventOrTimerRunsWhileAClipPlays()
{
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(10);
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start();
    bool queuedCallRan = false;
    QMetaObject::invokeMethod(this, [&queuedCallRan] { queuedCallRan = true; }, Qt::QueuedConnection);
    bool singleShotRan = false;
    QTimer::singleShot(0, this, [&singleShotRan] { singleShotRan = true; });

    const auto [playback, elapsed] = playTimed(player_, bank_.clip(SoundClip::SeventhMiss));

    QCOMPARE(playback, Playback::Played);
    QVERIFY2(elapsed >= 1332 * 85 / 100, "the clip did not play");
    QCOMPARE(ticks, 0);
    QVERIFY(!queuedCallRan);
    QVERIFY(!singleShotRan);
    QTRY_VERIFY(queuedCallRan && singleShotRan && ticks > 0);
}

void SoundPlaybackTest::whatFellDueDuringAClipRunsAfterIt()
{
    // Two clips started by one event play one after the other, and a timer
    // due in the middle of them runs only when both have ended.
    QElapsedTimer clock;
    clock.start();
    qint64 timerRanAt = -1;
    QTimer::singleShot(100, this, [&] { timerRanAt = clock.elapsed(); });
    QCOMPARE(player_.Reproducir_Sonido(bank_.clip(SoundClip::LetterFound)), Playback::Played);
    QCOMPARE(player_.Reproducir_Sonido(bank_.clip(SoundClip::RoundWon)), Playback::Played);
    const qint64 bothEnded = clock.elapsed();
    QCOMPARE(timerRanAt, -1);
    QVERIFY(bothEnded >= (784 + 1617) * 85 / 100);
    QTRY_VERIFY(timerRanAt >= bothEnded);
}

void SoundPlaybackTest::theCuePlayerPlaysTheBanksClipToItsEnd()
{
    SoundCuePlayer cues(velmora::kPatientGiveUp);
    QElapsedTimer clock;
    clock.start();
    cues.play(SoundClip::RoundLost);
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(cues.bank().clip(SoundClip::RoundLost), bank_.clip(SoundClip::RoundLost));
    QVERIFY2(velmora::blockedForItsLength(elapsed, 903),
             qPrintable(QStringLiteral("blocked %1 ms for a clip of 903 ms").arg(elapsed)));
}

void SoundPlaybackTest::clipsPlayedBackToBackEachLastTheirLength()
{
    // Each clip plays through a stream of its own on the one connection.
    // Played back to back, with the shortest clip, an answer meant for the
    // stream before (its drain, say) has many chances to end the next clip
    // early, and a stream left behind to delay it.
    for (int round = 0; round < 15; ++round) {
        const auto [playback, elapsed] = playTimed(player_, bank_.clip(SoundClip::Miss));
        QCOMPARE(playback, Playback::Played);
        QVERIFY2(velmora::blockedForItsLength(elapsed, 534),
                 qPrintable(QStringLiteral("clip %1 blocked %2 ms for 534 ms").arg(round).arg(elapsed)));
    }
}

QTEST_GUILESS_MAIN(SoundPlaybackTest)
#include "SoundPlaybackTest.moc"
