// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// A round played in the real window against a real audio server: every event
// plays its clip, in order, and the window waits for each clip to end.
#include "ClipPlayer.h"
#include "ClipTiming.h"
#include "GameFakes.h"
#include "SoundBank.h"
#include "desktop/ApplicationSetup.h"
#include "frmVelmora.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

using namespace velmora;

namespace {

// Plays the bank's clips through the real player and remembers each clip
// with what became of it and how long the call blocked.
class TimedSound final : public SoundOutput {
public:
    struct Played {
        SoundClip clip;
        Playback playback;
        qint64 blockedMs;
    };

    void play(SoundClip clip) override
    {
        QElapsedTimer timer;
        timer.start();
        const Playback playback = player_.Reproducir_Sonido(bank_.clip(clip));
        played.push_back({clip, playback, timer.elapsed()});
    }

    std::vector<Played> played;

private:
    SoundBank bank_;
    ClipPlayer player_{kPatientGiveUp};
};

} // namespace

class RoundSoundTest : public QObject {
    Q_OBJECT

private slots:
    void aRoundPlaysEachEventsClipInOrderAndWaitsForItsEnd()
    {
        TimedSound* sound = nullptr;
        auto random = std::make_unique<ScriptedRandom>();
        random->queueTitle(U"300");
        WindowServices services;
        services.loadSounds = [&sound] {
            auto timed = std::make_unique<TimedSound>();
            sound = timed.get();
            return timed;
        };
        services.random = std::move(random);
        frmVelmora window(std::move(services));
        window.show();
        auto* play = window.findChild<QAbstractButton*>(QStringLiteral("cmdGame"));

        QTest::mouseClick(play, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(sound->played.size(), std::size_t{1}, 5000);
        QTest::keyClick(play, Qt::Key_3);
        QTRY_COMPARE_WITH_TIMEOUT(sound->played.size(), std::size_t{2}, 5000);
        QTest::keyClick(play, Qt::Key_Z);
        QTRY_COMPARE_WITH_TIMEOUT(sound->played.size(), std::size_t{3}, 5000);
        QTest::keyClick(play, Qt::Key_0);
        QTRY_COMPARE_WITH_TIMEOUT(sound->played.size(), std::size_t{4}, 5000);
        QTest::qWait(300);

        const std::vector<SoundClip> expected = {SoundClip::NewTitle, SoundClip::LetterFound, SoundClip::Miss,
                                                 SoundClip::RoundWon};
        QCOMPARE(sound->played.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const auto& p = sound->played[i];
            QCOMPARE(p.clip, expected[i]);
            QCOMPARE(p.playback, Playback::Played);
            const qint64 nominal = nominalMs(p.clip);
            QVERIFY2(velmora::blockedForItsLength(p.blockedMs, nominal),
                     qPrintable(QStringLiteral("clip %1 blocked %2 ms, nominally %3 ms")
                                    .arg(static_cast<int>(p.clip))
                                    .arg(p.blockedMs)
                                    .arg(nominal)));
        }
        QCOMPARE(window.windowTitle(), QStringLiteral("VELMORA (+150)"));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    RoundSoundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RoundSoundTest.moc"
