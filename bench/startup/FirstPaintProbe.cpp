#include "FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <chrono>

void FirstPaintProbe::install()
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event)
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!painted_ && event->type() == QEvent::Paint && widget != nullptr && widget->isWindow()) {
        painted_ = true;
        // Posted, so the reading is taken once the paint has been done and
        // flushed to the screen.
        QTimer::singleShot(0, this, &FirstPaintProbe::report);
    }
    return false;
}

void FirstPaintProbe::report()
{
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    const long long launched = qEnvironmentVariable("VELMORA_BENCH_LAUNCHED_US").toLongLong();
    QTextStream(stdout) << "first-paint-ms " << double(now - launched) / 1000.0 << Qt::endl;
    QCoreApplication::exit(0);
}
