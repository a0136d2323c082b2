// The program's own start, up to its first picture: the application set-up
// (fonts, translation, icon) and the splash window, as in startup/main.cpp.
#include "ApplicationSetup.h"
#include "FirstPaintProbe.h"
#include "frmInicio.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaintProbe probe;
    probe.install();
    prepareApplication(app);
    auto* splash = new frmInicio([] { return new QLabel(QStringLiteral("Velmora")); });
    splash->show();
    return app.exec();
}
