// The yardstick: the smallest Qt Widgets program with a window.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaintProbe probe;
    probe.install();
    QLabel label(QStringLiteral("Velmora"));
    label.show();
    return app.exec();
}
