#pragma once

#include <QObject>

// Reports how long after the process was launched its first window was
// painted, then ends the program. The launcher passes its clock reading in
// microseconds since the epoch in VELMORA_BENCH_LAUNCHED_US; the figure, in
// milliseconds, is printed on standard output as "first-paint-ms N".
class FirstPaintProbe : public QObject {
    Q_OBJECT

public:
    // Watches every event of the application until the first window paint.
    void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report();

    bool painted_ = false;
};
