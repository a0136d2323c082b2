// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Whether the program, before Qt starts, finds it has no display to open
// its windows on.
#include "DisplayCheck.h"

#include <QTest>

using velmora::DisplaySettings;
using velmora::lacksDisplay;

namespace {

DisplaySettings nothingSet()
{
    DisplaySettings settings;
    settings.arguments = {"velmora"};
    return settings;
}

} // namespace

class DisplayCheckTest : public QObject {
    Q_OBJECT

private slots:
    void withNeitherDisplayTheX11AndWaylandPlatformsLackOne_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::newRow("Qt's default") << "";
        QTest::newRow("X11") << "xcb";
        QTest::newRow("X11 with options") << "xcb:nograb";
        QTest::newRow("Wayland") << "wayland";
        QTest::newRow("Wayland with EGL") << "wayland-egl";
        QTest::newRow("Wayland, else X11") << "wayland;xcb";
    }

    void withNeitherDisplayTheX11AndWaylandPlatformsLackOne()
    {
        QFETCH(QString, platform);
        DisplaySettings settings = nothingSet();
        settings.qpaPlatform = platform.toStdString();
        QVERIFY(lacksDisplay(settings));
        settings.sessionType = "wayland";
        QVERIFY(lacksDisplay(settings));
    }

    void eitherDisplayIsEnoughForAPlatformThatCanUseIt()
    {
        DisplaySettings x11 = nothingSet();
        x11.display = ":0";
        QVERIFY(!lacksDisplay(x11));
        x11.qpaPlatform = "wayland";
        QVERIFY(lacksDisplay(x11));
        x11.qpaPlatform = "wayland;xcb";
        QVERIFY(!lacksDisplay(x11));

        DisplaySettings wayland = nothingSet();
        wayland.waylandDisplay = "wayland-1";
        QVERIFY(lacksDisplay(wayland)); // Qt's default is X11
        wayland.sessionType = "wayland";
        QVERIFY(!lacksDisplay(wayland));
        wayland.qpaPlatform = "wayland";
        QVERIFY(!lacksDisplay(wayland));

        DisplaySettings handedOver = nothingSet();
        handedOver.qpaPlatform = "wayland";
        handedOver.waylandSocket = "5";
        QVERIFY(!lacksDisplay(handedOver));
        DisplaySettings defaultSocket = nothingSet();
        defaultSocket.qpaPlatform = "wayland";
        defaultSocket.defaultWaylandSocket = true;
        QVERIFY(!lacksDisplay(defaultSocket));
    }

    void platformsThatNeedNoDisplayServerAreLeftToQt_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::newRow("offscreen") << "offscreen";
        QTest::newRow("minimal") << "minimal";
        QTest::newRow("framebuffer") << "linuxfb";
        QTest::newRow("X11, else offscreen") << "xcb;offscreen";
    }

    void platformsThatNeedNoDisplayServerAreLeftToQt()
    {
        QFETCH(QString, platform);
        DisplaySettings settings = nothingSet();
        settings.qpaPlatform = platform.toStdString();
        QVERIFY(!lacksDisplay(settings));
    }

    void theCommandLineOverridesTheEnvironmentAsForQt()
    {
        DisplaySettings settings = nothingSet();
        settings.qpaPlatform = "offscreen";
        settings.arguments = {"velmora", "-platform", "xcb"};
        QVERIFY(lacksDisplay(settings));
        settings.arguments = {"velmora", "--platform", "xcb", "-display", ":1"};
        QVERIFY(!lacksDisplay(settings));
        settings.qpaPlatform.clear();
        settings.arguments = {"velmora", "-platform", "offscreen"};
        QVERIFY(!lacksDisplay(settings));
        // An option without its value is no option.
        settings.arguments = {"velmora", "-display"};
        QVERIFY(lacksDisplay(settings));
    }

    void theFailureNamesEveryPlatformTriedAndItsDisplayOnOneLine()
    {
        DisplaySettings settings = nothingSet();
        settings.qpaPlatform = "wayland;bogus;xcb";
        settings.display = ":9\n";
        QCOMPARE(QString::fromStdString(velmora::displayFailureMessage(settings)),
                 QStringLiteral("velmora: no se puede abrir la ventana en ninguna pantalla (probado: Wayland sin "
                                "WAYLAND_DISPLAY, la plataforma «bogus», X11 en DISPLAY=:9?) / cannot open the window "
                                "on any display (tried: Wayland without WAYLAND_DISPLAY, the platform \"bogus\", X11 "
                                "on DISPLAY=:9?)\n"));
    }
};

QTEST_APPLESS_MAIN(DisplayCheckTest)
#include "DisplayCheckTest.moc"
