// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ApplicationSetup.h"
#include "frmInicio.h"
#include "painting/Fonts.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace velmora;

namespace {

constexpr QRect bannerBox{8, 8, 217, 33};
// A band of the clapstick below the banner and left of the labels: it
// changes only when the board claps shut.
constexpr QRect clapstickBand{0, 41, 115, 50};

// The maker's mark below the product word, tail of its letter included, on
// the black body of the clapperboard.
constexpr QRect markBox{120, 144, 99, 56};

bool isYellow(QRgb pixel)
{
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 0;
}

QImage snapshot(frmInicio& splash)
{
    return splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Counts the main windows the splash creates, so that a test sees how many
// there were and whether one was showing when the splash went away.
struct MainWindowFactory {
    int created = 0;
    QPointer<QWidget> window{};

    frmInicio::MainWindowFactory make()
    {
        return [this]() -> QWidget* {
            ++created;
            window = new QWidget;
            window->setAttribute(Qt::WA_DeleteOnClose);
            return window;
        };
    }
};

void destroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class SplashWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplication(*qApp);
    }

    void cleanup()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->deleteLater();
        destroyClosedWindows();
    }

    void isAFramelessSplashOf233By225CentredOnTheScreen()
    {
        MainWindowFactory factory;
        auto* splash = new frmInicio(factory.make());
        splash->show();
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        // A splash-type window gets no taskbar entry.
        QCOMPARE(splash->windowType(), Qt::SplashScreen);
        QCOMPARE(splash->size(), QSize(233, 225));
        QCOMPARE(splash->windowTitle(), QStringLiteral("Inicio"));
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((splash->geometry().center() - screenCentre).manhattanLength() <= 2);
    }

    void timerTicksEveryHalfSecondFromCreation()
    {
        MainWindowFactory factory;
        auto* splash = new frmInicio(factory.make());
        const auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer != nullptr);
        QVERIFY(timer->isActive());
        QVERIFY(!timer->isSingleShot());
        QCOMPARE(timer->interval(), 500);
    }

    void markGainsOneFullStopPerTick()
    {
        MainWindowFactory factory;
        auto* splash = new frmInicio(factory.make());
        splash->show();
        QCOMPARE(splash->sequence().mark(), std::string("Q"));
        for (const char* expected : {"Q.", "Q..", "Q...", "Q...."}) {
            splash->Timer1_Timer();
            QCOMPARE(splash->sequence().mark(), std::string(expected));
        }
        QCOMPARE(factory.created, 0);
    }

    void shutClapperboardAndBannerAppearOnlyAtTheFourthTick()
    {
        MainWindowFactory factory;
        auto* splash = new frmInicio(factory.make());
        splash->show();

        QImage before = snapshot(*splash);
        QVERIFY(!isYellow(before.pixel(bannerBox.topLeft())));
        for (int tick = 1; tick <= 3; ++tick) {
            splash->Timer1_Timer();
            const QImage now = snapshot(*splash);
            QVERIFY2(!isYellow(now.pixel(bannerBox.topLeft())), qPrintable(QString::number(tick)));
            QVERIFY2(!isYellow(now.pixel(bannerBox.bottomRight())), qPrintable(QString::number(tick)));
            QCOMPARE(now.copy(clapstickBand), before.copy(clapstickBand));
            before = now;
        }

        splash->Timer1_Timer();
        const QImage shut = snapshot(*splash);
        QVERIFY(isYellow(shut.pixel(bannerBox.topLeft())));
        QVERIFY(isYellow(shut.pixel(bannerBox.bottomRight())));
        QVERIFY(shut.copy(clapstickBand) != before.copy(clapstickBand));
        // The one-pixel frame stays on top of the clapperboard.
        QCOMPARE(QColor(shut.pixel(0, 224)), QColor(Qt::black));
        QCOMPARE(QColor(shut.pixel(232, 120)), QColor(Qt::black));
    }

    void markReadsAsItsLetterAndFullStopsWrittenTogetherInTheRoundedFace()
    {
        MainWindowFactory factory;
        auto* splash = new frmInicio(factory.make());
        splash->show();
        for (int tick = 0; tick <= 4; ++tick) {
            if (tick > 0)
                splash->Timer1_Timer();
            QImage written(markBox.size(), QImage::Format_RGB32);
            written.fill(Qt::black);
            QPainter painter(&written);
            painter.setPen(Qt::white);
            painter.setFont(gameFont(Face::Rounded, 36));
            painter.drawText(QRect(QPoint(0, 0), markBox.size()), Qt::AlignTop | Qt::AlignLeft,
                             QString::fromStdString(splash->sequence().mark()));
            painter.end();
            QVERIFY2(snapshot(*splash).copy(markBox) == written, qPrintable(QString::number(tick)));
        }
    }

    void tellsOnceThatItsFirstPictureIsPainted()
    {
        MainWindowFactory factory;
        auto* splash = new frmInicio(factory.make());
        const QSignalSpy painted(splash, &frmInicio::firstPainted);
        QCOMPARE(painted.count(), 0);
        splash->show();
        snapshot(*splash);
        QCOMPARE(painted.count(), 1);
        splash->Timer1_Timer();
        snapshot(*splash);
        QCOMPARE(painted.count(), 1);
    }

    void mainWindowIsCreatedOnceAndShownBeforeTheSplashGoes()
    {
        MainWindowFactory factory;
        QPointer<frmInicio> splash = new frmInicio(factory.make());
        splash->show();
        bool mainShownWhenSplashWent = false;
        connect(splash, &QObject::destroyed, this, [&] {
            mainShownWhenSplashWent = factory.window && factory.window->isVisible();
        });

        for (int tick = 1; tick <= 4; ++tick)
            splash->Timer1_Timer();
        QCOMPARE(factory.created, 0);

        splash->Timer1_Timer();
        QCOMPARE(factory.created, 1);
        QVERIFY(factory.window->isVisible());
        QVERIFY(!splash->isVisible());

        destroyClosedWindows();
        QVERIFY(splash.isNull());
        QVERIFY(mainShownWhenSplashWent);
        QCOMPARE(factory.created, 1);
    }

    void closingEarlyCreatesNoMainWindowAndEndsTheProgram()
    {
        MainWindowFactory factory;
        QPointer<frmInicio> splash = new frmInicio(factory.make());
        splash->show();
        splash->Timer1_Timer();
        splash->Timer1_Timer();

        QTimer::singleShot(0, splash, &QWidget::close);
        // Should the program not end, the guard ends the loop with a failure code.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        QCOMPARE(QApplication::exec(), 0);

        destroyClosedWindows();
        QVERIFY(splash.isNull());
        QCOMPARE(factory.created, 0);
    }

    void closingStopsTheTimerAtOnce()
    {
        MainWindowFactory factory;
        QPointer<frmInicio> splash = new frmInicio(factory.make());
        splash->show();
        const auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer1"));
        splash->close();
        QVERIFY(!splash.isNull());
        QVERIFY(!timer->isActive());
    }

    void keysAndClicksDoNothing()
    {
        MainWindowFactory factory;
        QPointer<frmInicio> splash = new frmInicio(factory.make());
        splash->show();
        splash->Timer1_Timer();
        const QImage before = snapshot(*splash);

        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_A,
                                  Qt::Key_Exclam, Qt::Key_F1})
            QTest::keyClick(splash, key);
        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseDClick(splash, Qt::LeftButton, {}, QPoint(150, 160));
        QTest::mouseClick(splash, Qt::RightButton, {}, QPoint(20, 20));
        destroyClosedWindows();

        QVERIFY(!splash.isNull());
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->sequence().step(), 1);
        QCOMPARE(snapshot(*splash), before);
        QCOMPARE(factory.created, 0);
    }
};

QTEST_MAIN(SplashWindowTest)
#include "SplashWindowTest.moc"
