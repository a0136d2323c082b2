// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What an idle game leaves on the audio server; run it through
// tests/support/with-pulseaudio.sh --suspend-on-idle, whose server suspends
// its sink a second after nothing uses it any more.
#include "ClipPlayer.h"
#include "ClipTiming.h"
#include "PrivateServer.h"
#include "SoundBank.h"

#include <QTest>

using velmora::ClipPlayer;
using velmora::Playback;
using velmora::SoundBank;
using velmora::SoundClip;
using velmora::test::PrivateServer;

namespace {

const QString kSink = QStringLiteral("velmora_out");
const QString kSuspended = QStringLiteral("SUSPENDED");

} // namespace

class SoundIdleTest : public QObject {
    Q_OBJECT

private slots:
    void afterEachClipTheGameHoldsNoStreamAndTheSinkIsSuspended()
    {
        QVERIFY2(PrivateServer::pid() > 0, "run this test through tests/support/with-pulseaudio.sh");
        QTRY_COMPARE_WITH_TIMEOUT(PrivateServer::sinkState(kSink), kSuspended, 10000);
        const SoundBank bank;
        ClipPlayer player(velmora::kPatientGiveUp);

        // Twice: the sink wakes for the second clip and is suspended again.
        for (const SoundClip clip : {SoundClip::NewTitle, SoundClip::LetterFound}) {
            QCOMPARE(player.Reproducir_Sonido(bank.clip(clip)), Playback::Played);
            QCOMPARE(PrivateServer::gameStreams(), 0);
            QTRY_COMPARE_WITH_TIMEOUT(PrivateServer::sinkState(kSink), kSuspended, 10000);
            // The connection itself stays for the next clip.
            QVERIFY(PrivateServer::gameConnected());
        }
    }
};

QTEST_GUILESS_MAIN(SoundIdleTest)
#include "SoundIdleTest.moc"
