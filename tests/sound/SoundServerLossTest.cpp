// The audio server dying in the middle of a clip; run it through
// tests/support/with-pulseaudio.sh, which this test leaves without a server.
#include "ClipPlayer.h"
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

using namespace std::chrono_literals;

constexpr qint64 kRoundWonMs = 1617;
constexpr qint64 kSeventhMissMs = 1332;
constexpr qint64 kGraceMs = 1000;

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
    void aClipWhoseServerIsKilledEndsWithinASecondOfItsLength();
};

void SoundServerLossTest::aClipWhoseServerIsKilledEndsWithinASecondOfItsLength()
{
    const pid_t server = serverPid();
    QVERIFY2(server > 0, "run this test through tests/support/with-pulseaudio.sh");
    SoundBank bank;
    ClipPlayer player;
    player.Reproducir_Sonido(bank.clip(SoundClip::Miss));

    // The interface thread is blocked in the clip, so another thread kills
    // the server half a second into it.
    int killed = -1;
    std::thread killer([server, &killed] {
        std::this_thread::sleep_for(500ms);
        killed = ::kill(server, SIGKILL);
    });
    QElapsedTimer clock;
    clock.start();
    player.Reproducir_Sonido(bank.clip(SoundClip::RoundWon));
    const qint64 elapsed = clock.elapsed();
    killer.join();
    qInfo("killed the server 500 ms into a %lld ms clip; playback returned after %lld ms",
          kRoundWonMs, elapsed);
    QCOMPARE(killed, 0);
    QVERIFY2(elapsed <= kRoundWonMs + kGraceMs, qPrintable(QString::number(elapsed)));

    // With the server gone, the next clip does not hang either.
    clock.restart();
    player.Reproducir_Sonido(bank.clip(SoundClip::SeventhMiss));
    const qint64 afterLoss = clock.elapsed();
    qInfo("a clip of %lld ms after the loss returned after %lld ms", kSeventhMissMs, afterLoss);
    QVERIFY2(afterLoss <= kSeventhMissMs + kGraceMs, qPrintable(QString::number(afterLoss)));
}

QTEST_GUILESS_MAIN(SoundServerLossTest)
#include "SoundServerLossTest.moc"
