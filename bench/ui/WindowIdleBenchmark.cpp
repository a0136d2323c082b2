// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the main window as the program does, starts a round, then leaves it
// alone for 20 seconds and prints what the idle window costs: how often it
// repainted, how much processor time it took and how much memory it holds.
// It exits non-zero when the window repainted at all, and, while the limits
// are on, when it took more than 0.3 % of a processor or holds more than
// 40 MiB.
#include "BenchLimits.h"
#include "EntropyRandom.h"
#include "SoundCuePlayer.h"
#include "desktop/ApplicationSetup.h"
#include "frmVelmora.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace velmora {
namespace {

constexpr int kIdleMs = 20000;
constexpr double kCpuLimitPercent = 0.3;
constexpr double kMemoryLimitMiB = 40.0;

class PaintCounter : public QObject {
public:
    using QObject::QObject;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

int run(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);

    WindowServices services;
    services.loadSounds = [] { return std::make_unique<SoundCuePlayer>(); };
    services.random = std::make_unique<EntropyRandom>();
    frmVelmora window(std::move(services));
    window.show();

    PaintCounter counter;
    double cpuAtStart = 0;
    QTimer::singleShot(1000, &window, [&] {
        window.findChild<QAbstractButton*>(QStringLiteral("cmdGame"))->click();
    });
    // Let the round's first drawing and the new-title cue pass before the
    // quiet period starts.
    QTimer::singleShot(2000, &window, [&] {
        // Watching the window's widgets only, rather than every event of the
        // application, keeps the counting out of the processor time measured.
        window.installEventFilter(&counter);
        for (QWidget* widget : window.findChildren<QWidget*>())
            widget->installEventFilter(&counter);
        cpuAtStart = processCpuSeconds();
    });
    QTimer::singleShot(2000 + kIdleMs, &app, &QCoreApplication::quit);
    QApplication::exec();

    const double cpuPercent = (processCpuSeconds() - cpuAtStart) / (kIdleMs / 1000.0) * 100.0;
    const double memory = residentMiB();
    std::printf("idle window over %d s, a round in progress:\n", kIdleMs / 1000);
    std::printf("  paints:           %d (limit 0)\n", counter.paints);
    std::printf("  processor time:   %.3f %% (limit %.1f %%)\n", cpuPercent, kCpuLimitPercent);
    std::printf("  resident memory:  %.1f MiB (limit %.0f MiB)\n", memory, kMemoryLimitMiB);
    const bool withinLimits = cpuPercent <= kCpuLimitPercent && memory <= kMemoryLimitMiB;
    return counter.paints == 0 && memory > 0 && (withinLimits || !benchLimitsEnforced()) ? 0 : 1;
}

} // namespace
} // namespace velmora

int main(int argc, char** argv)
{
    return velmora::run(argc, argv);
}
