#include "ApplicationSetup.h"

#include "ProgramIcon.h"

#include <QApplication>
#include <QFontDatabase>
#include <QResource>
#include <QTranslator>

void prepareApplication(QApplication& app)
{
    for (const char* font : {":/fonts/Quicksand-Bold.ttf", ":/fonts/Carlito-Regular.ttf",
                             ":/fonts/ComicNeue-Bold.otf"}) {
        // The faces are stored uncompressed inside the program and used in
        // place rather than copied.
        const QResource face(QString::fromLatin1(font));
        QFontDatabase::addApplicationFontFromData(
            QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()), face.size()));
    }

    // The standard buttons ("Sí", "No", "Aceptar") and the text box's context
    // menu speak Spanish whatever the machine's language is.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/translations/qtbase_es.qm")))
        QApplication::installTranslator(translator);

    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // A desktop matches the windows to the desktop entry, for their name and
    // icon in its task list: on Wayland by this name, on X11 by the window
    // class that the entry names.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vastrel.Velmora"));
    QApplication::setWindowIcon(programIcon());
}
