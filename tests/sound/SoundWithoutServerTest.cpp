// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// Playback on a machine without an audio server: every clip returns at once.
// Runs with PULSE_SERVER naming a socket that does not exist.
#include "ClipPlayer.h"
#include "ClipTiming.h"
#include "SoundBank.h"

#include <QElapsedTimer>
#include <QTest>

using velmora::ClipPlayer;
using velmora::SoundBank;
using velmora::SoundClip;

class SoundWithoutServerTest : public QObject {
    Q_OBJECT

private slots:
    void eachClipReturnsAtOnceWithoutAnAudioServer_data();
    void eachClipReturnsAtOnceWithoutAnAudioServer();

private:
    SoundBank bank_{};
    ClipPlayer player_{};
};

void SoundWithoutServerTest::eachClipReturnsAtOnceWithoutAnAudioServer_data()
{
    QTest::addColumn<SoundClip>("clip");
    QTest::newRow("101") << SoundClip::SeventhMiss;
    QTest::newRow("102") << SoundClip::NewTitle;
    QTest::newRow("103") << SoundClip::RoundLost;
    QTest::newRow("104") << SoundClip::Miss;
    QTest::newRow("105") << SoundClip::RoundWon;
    QTest::newRow("106") << SoundClip::LetterFound;
}

void SoundWithoutServerTest::eachClipReturnsAtOnceWithoutAnAudioServer()
{
    QFETCH(SoundClip, clip);
    QVERIFY(qEnvironmentVariable("PULSE_SERVER").contains(QStringLiteral("no-server")));
    QVERIFY(!bank_.clip(clip).isEmpty());
    QElapsedTimer clock;
    clock.start();
    player_.Reproducir_Sonido(bank_.clip(clip));
    const qint64 elapsed = clock.elapsed();
    qInfo("clip %d returned after %lld ms", static_cast<int>(clip), elapsed);
    QVERIFY2(elapsed < velmora::kAtOnceMs, qPrintable(QString::number(elapsed)));
}

QTEST_GUILESS_MAIN(SoundWithoutServerTest)
#include "SoundWithoutServerTest.moc"
