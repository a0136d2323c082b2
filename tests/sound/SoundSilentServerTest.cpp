// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
//
// An audio server that takes connections and never answers: a socket that
// the test itself listens on, named by PULSE_SERVER.
#include "ClipPlayer.h"
#include "ClipTiming.h"
#include "SoundBank.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using velmora::ClipPlayer;
using velmora::Playback;
using velmora::SoundBank;
using velmora::SoundClip;

namespace {

constexpr qint64 kSeventhMissMs = velmora::nominalMs(velmora::SoundClip::SeventhMiss);

// Listens on a Unix socket and accepts every connection, then neither reads
// nor writes: a server that has hung.
class SilentServer {
public:
    SilentServer()
    {
        const QByteArray path = address();
        listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un name{};
        name.sun_family = AF_UNIX;
        if (listener_ < 0 || static_cast<std::size_t>(path.size()) >= sizeof name.sun_path)
            return;
        std::memcpy(name.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        if (::bind(listener_, reinterpret_cast<const sockaddr*>(&name), sizeof name) != 0 || ::listen(listener_, 16) != 0)
            return;
        listening_ = true;
        acceptor_ = std::thread([this] { acceptConnections(); });
    }

    ~SilentServer()
    {
        stop_ = true;
        if (acceptor_.joinable())
            acceptor_.join();
        for (int client : clients_)
            ::close(client);
        if (listener_ >= 0)
            ::close(listener_);
    }

    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    bool listening() const { return listening_; }
    QByteArray address() const { return folder_.filePath(QStringLiteral("native")).toLocal8Bit(); }
    int accepted() const { return accepted_; }

private:
    void acceptConnections()
    {
        pollfd waiting{listener_, POLLIN, 0};
        while (!stop_) {
            if (::poll(&waiting, 1, 20) <= 0)
                continue;
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client >= 0) {
                clients_.push_back(client);
                ++accepted_;
            }
        }
    }

    QTemporaryDir folder_;
    int listener_ = -1;
    bool listening_ = false;
    std::thread acceptor_;
    std::vector<int> clients_;
    std::atomic<int> accepted_{0};
    std::atomic<bool> stop_{false};
};

} // namespace

class SoundSilentServerTest : public QObject {
    Q_OBJECT

private slots:
    void afterOneClipGivenUpEveryLaterCueReturnsAtOnce()
    {
        SilentServer server;
        QVERIFY(server.listening());
        qputenv("PULSE_SERVER", "unix:" + server.address());
        const SoundBank bank;
        const auto giveUp = std::chrono::milliseconds{velmora::PulseOutput::kGiveUp}.count();

        // Opening the connection, or at the latest the first cue, waits for
        // the server as long as the give-up, and not for ever.
        QElapsedTimer clock;
        clock.start();
        ClipPlayer player;
        player.Reproducir_Sonido(bank.clip(SoundClip::SeventhMiss));
        const qint64 firstCue = clock.elapsed();
        qInfo("opening and the first cue took %lld ms", firstCue);
        QVERIFY2(firstCue <= kSeventhMissMs + 2 * giveUp + velmora::kGivenUpAllowanceMs, qPrintable(QString::number(firstCue)));
        QTRY_VERIFY(server.accepted() >= 1);

        for (int cue = 2; cue <= 12; ++cue) {
            const SoundClip clip = cue % 2 == 0 ? SoundClip::RoundWon : SoundClip::Miss;
            clock.restart();
            QCOMPARE(player.Reproducir_Sonido(bank.clip(clip)), Playback::Skipped);
            const qint64 elapsed = clock.elapsed();
            qInfo("cue %d returned after %lld ms", cue, elapsed);
            QVERIFY2(elapsed < velmora::kSkippedMs, qPrintable(QString::number(elapsed)));
        }
        // Backing off does not mean knocking again at every cue: the one
        // connection that waits for the server's answer is all it keeps.
        QVERIFY2(server.accepted() <= 2, qPrintable(QString::number(server.accepted())));

        // Once libpulse gives that connection up in turn, a cue knocks once
        // more, still without waiting: a server that answers later is heard.
        QElapsedTimer waited;
        for (waited.start(); server.accepted() < 3 && waited.elapsed() < 60000; QTest::qWait(200)) {
            clock.restart();
            QCOMPARE(player.Reproducir_Sonido(bank.clip(SoundClip::Miss)), Playback::Skipped);
            QVERIFY2(clock.elapsed() < velmora::kSkippedMs, qPrintable(QString::number(clock.elapsed())));
        }
        QCOMPARE(server.accepted(), 3);
    }
};

QTEST_GUILESS_MAIN(SoundSilentServerTest)
#include "SoundSilentServerTest.moc"
