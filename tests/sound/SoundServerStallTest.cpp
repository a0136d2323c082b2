// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
//
// An audio server that stops answering (stopped with SIGSTOP) and later
// answers again; run it through tests/support/with-pulseaudio.sh.
#include "ClipPlayer.h"
#include "ClipTiming.h"
#include "PrivateServer.h"
#include "SoundBank.h"

#include <QElapsedTimer>
#include <QTest>

#include <csignal>

using velmora::ClipPlayer;
using velmora::Playback;
using velmora::SoundBank;
using velmora::SoundClip;
using velmora::test::PrivateServer;

namespace {

constexpr qint64 kRoundLostMs = velmora::nominalMs(SoundClip::RoundLost);
constexpr qint64 kLetterFoundMs = velmora::nominalMs(SoundClip::LetterFound);

} // namespace

class SoundServerStallTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        // A failed check must not leave the server stopped for the next test.
        PrivateServer::send(SIGCONT);
    }

    void cuesAreSkippedAtOnceUntilAStoppedServerAnswersAgain()
    {
        QVERIFY2(PrivateServer::pid() > 0, "run this test through tests/support/with-pulseaudio.sh");
        const SoundBank bank;
        const auto giveUp = std::chrono::milliseconds{velmora::kPatientGiveUp}.count();
        ClipPlayer player(velmora::kPatientGiveUp);
        QCOMPARE(player.Reproducir_Sonido(bank.clip(SoundClip::Miss)), Playback::Played);

        QVERIFY(PrivateServer::send(SIGSTOP));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(player.Reproducir_Sonido(bank.clip(SoundClip::RoundLost)), Playback::GivenUp);
        const qint64 givenUp = clock.elapsed();
        qInfo("a clip of %lld ms on the stopped server was given up after %lld ms", kRoundLostMs, givenUp);
        QVERIFY2(givenUp >= kRoundLostMs + giveUp * 9 / 10 && givenUp <= kRoundLostMs + giveUp + velmora::kGivenUpAllowanceMs,
                 qPrintable(QString::number(givenUp)));

        // Every clip, long or short, is skipped without waiting.
        for (const SoundClip clip : {SoundClip::RoundWon, SoundClip::Miss, SoundClip::NewTitle, SoundClip::SeventhMiss,
                                     SoundClip::LetterFound}) {
            clock.restart();
            QCOMPARE(player.Reproducir_Sonido(bank.clip(clip)), Playback::Skipped);
            const qint64 skipped = clock.elapsed();
            qInfo("clip %d skipped after %lld ms", static_cast<int>(clip), skipped);
            QVERIFY2(skipped < velmora::kSkippedMs, qPrintable(QString::number(skipped)));
        }

        // Once the server has caught up with what it was sent meanwhile, the
        // next cue plays, and nothing is left of the clip given up.
        QVERIFY(PrivateServer::send(SIGCONT));
        QTRY_VERIFY_WITH_TIMEOUT(PrivateServer::answers(), 10000);
        QTest::qWait(200);
        clock.restart();
        QCOMPARE(player.Reproducir_Sonido(bank.clip(SoundClip::LetterFound)), Playback::Played);
        const qint64 elapsed = clock.elapsed();
        qInfo("the first clip after the server answered again blocked %lld ms for %lld ms", elapsed, kLetterFoundMs);
        QVERIFY2(velmora::blockedForItsLength(elapsed, kLetterFoundMs), qPrintable(QString::number(elapsed)));
        QTRY_COMPARE_WITH_TIMEOUT(PrivateServer::gameStreams(), 0, 10000);
        QVERIFY(PrivateServer::gameConnected());
    }
};

QTEST_GUILESS_MAIN(SoundServerStallTest)
#include "SoundServerStallTest.moc"
