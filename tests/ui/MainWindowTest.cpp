// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleTable.h"
#include "WindowFixture.h"
#include "desktop/ApplicationSetup.h"
#include "desktop/WindowPlacement.h"
#include "input/OnScreenKeyboard.h"
#include "painting/Fonts.h"
#include "painting/GameSurface.h"
#include "painting/Layout.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>

using namespace velmora;

namespace {

const QColor kBackground(15, 15, 15);
const QColor kGrey(127, 127, 127);
const QColor kBand(224, 224, 224);

QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Strike box centres in pixels.
const QPoint kBoxCentres[] = {{209, 24}, {256, 24}, {304, 24}, {351, 24}, {399, 24}, {447, 24}, {495, 24}, {542, 24}};

bool anyPixel(const QImage& image, const QRect& area, const QColor& colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

void movePointer(QWidget* widget, QPoint position)
{
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// How many pixels of two pictures an eye with protanopia or deuteranopia
// tells clearly apart (Machado, Oliveira and Fernandes 2009, in linear RGB,
// here sRGB taken as gamma 2.2).
int pixelsToldApart(const QImage& a, const QImage& b, const std::array<double, 9>& eye)
{
    const auto linear = [](int c) { return std::pow(c / 255.0, 2.2); };
    const auto seen = [&](QRgb rgb, int row) {
        const double v = eye[row * 3] * linear(qRed(rgb)) + eye[row * 3 + 1] * linear(qGreen(rgb)) +
                         eye[row * 3 + 2] * linear(qBlue(rgb));
        return 255 * std::pow(std::clamp(v, 0.0, 1.0), 1 / 2.2);
    };
    int count = 0;
    for (int i = 0; i < a.width() * a.height(); ++i) {
        double distance = 0;
        for (int row = 0; row < 3; ++row)
            distance += std::pow(seen(a.pixel(i % a.width(), i / a.width()), row) -
                                 seen(b.pixel(i % a.width(), i / a.width()), row), 2);
        count += distance > 100 * 100 ? 1 : 0;
    }
    return count;
}

// A painted part of the surface as assistive technology finds it, by name.
QAccessibleInterface* paintedPart(GameSurface* surface, const QString& name)
{
    QAccessibleInterface* surfaceInterface = QAccessible::queryAccessibleInterface(surface);
    for (int i = 0; i < surfaceInterface->childCount(); ++i) {
        QAccessibleInterface* child = surfaceInterface->child(i);
        if (child->object() == nullptr && child->text(QAccessible::Name) == name)
            return child;
    }
    return nullptr;
}

QString spokenText(GameSurface* surface, const QString& name)
{
    QAccessibleTextInterface* text = paintedPart(surface, name)->textInterface();
    return text->text(0, text->characterCount());
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theClientAreaIsSevenHundredSixtyNineByTwoHundredSixtyFivePixels()
    {
        WindowFixture f;
        QCOMPARE(f.surface()->size(), QSize(769, 265));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA (NUEVO)"));
        // The window system is sent the icon at each of its drawn sizes.
        const QIcon icon = f.window->windowIcon();
        QCOMPARE(icon.availableSizes().size(), 6);
        for (const QSize& size : icon.availableSizes()) {
            const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
            const QImage drawn = QImage(QStringLiteral(":/icons/velmora-%1.png").arg(size.width())).convertToFormat(premultiplied);
            QCOMPARE(icon.pixmap(size).toImage().convertToFormat(premultiplied), drawn);
        }
        QCOMPARE(icon.pixmap(QSize(20, 20)).size(), QSize(20, 20));
    }

    void atStartTheWindowShowsItsPanelsStripBoxesBandAndButton()
    {
        WindowFixture f;
        const QImage image = f.client();
        QCOMPARE(at(image, 760, 200), kBackground);
        QCOMPARE(at(image, 20, 150), kGrey);
        QCOMPARE(at(image, 184, 150), QColor(Qt::black)); // the divider
        QCOMPARE(at(image, 185, 150), kBackground);
        QCOMPARE(at(image, 233, 25), QColor(Qt::black));  // film between two frames
        for (QPoint centre : kBoxCentres)
            QCOMPARE(at(image, centre.x(), centre.y()), QColor(Qt::white));
        QCOMPARE(at(image, 300, 60), kBand);
        QCOMPARE(at(image, 590, 14), QColor(Qt::white)); // the play button
        QCOMPARE(at(image, 572, 45), QColor(Qt::black)); // the panel around it
        QCOMPARE(at(image, 112, 228), QColor(192, 64, 0)); // the support under the feet
        QCOMPARE(at(image, 112, 120), kGrey);              // no body yet
        QVERIFY(!anyPixel(image, QRect(200, 80, 552, 130), Qt::white)); // an empty board
    }

    void startingARoundUnderlinesTheLettersAndAHitShowsIt()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        QImage image = f.client();
        QVERIFY(anyPixel(image, QRect(200, 111, 32, 3), Qt::white));  // cell 1
        QVERIFY(!anyPixel(image, QRect(280, 111, 32, 3), Qt::white)); // cell 3 is a space
        QVERIFY(!anyPixel(image, QRect(200, 80, 33, 28), Qt::white));
        QTest::keyClick(f.child<QAbstractButton>("cmdGame"), Qt::Key_E);
        image = f.client();
        QVERIFY(anyPixel(image, QRect(200, 80, 33, 28), Qt::white));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA"));
        QCOMPARE(f.child<QAbstractButton>("cmdGame")->text(), QStringLiteral("NUEVO"));
    }

    void aRepeatedLetterReadsApartFromAHitWithoutItsColour()
    {
        WindowFixture f;
        f.startRound(U"EL SUR");
        auto* button = f.child<QAbstractButton>("cmdGame");
        QTest::keyClick(button, Qt::Key_L);
        const QImage hit = f.client();
        QTest::keyClick(button, Qt::Key_L);
        const QImage repeat = f.client();
        QCOMPARE(f.controls().lblStrike[0].BackColor, BoxColour::Yellow);
        const std::array<double, 9> protanopia = {0.152286, 1.052583, -0.204868, 0.114503, 0.786281,
                                                  0.099216, -0.003882, -0.048116, 1.051998};
        const std::array<double, 9> deuteranopia = {0.367322, 0.860646, -0.227968, 0.280085, 0.672501,
                                                    0.047413, -0.011820, 0.042940, 0.968881};
        QVERIFY(pixelsToldApart(hit, repeat, protanopia) > 100);
        QVERIFY(pixelsToldApart(hit, repeat, deuteranopia) > 100);
        // The window shows them (its repaints run, no timer does), and takes
        // them away with the flash.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(f.shown(), repeat);
        QTRY_COMPARE(f.controls().lblStrike[0].BackColor, BoxColour::White);
        QTRY_COMPARE(f.shown(), f.client());
    }

    void theBoardShowsWhatAFreshPaintingShowsAfterAShorterTitle()
    {
        WindowFixture f;
        f.startRound(U"EL SEÑOR DE LOS ANILLOS");
        // The window springs back from the size asked for and is painted
        // whole again.
        f.window->resize(1000, 600);
        QTRY_COMPARE(f.window->size(), f.window->fixedSize());
        f.startRound(U"EL PADRINO");
        QTRY_COMPARE(f.shown(), f.client());
    }

    void theFigureGainsAPartWithEveryStrikeAndHangsAtTheEighth()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        auto* button = f.child<QAbstractButton>("cmdGame");
        const char misses[] = "ZXWVUTSQ";
        const QPoint parts[] = {{112, 44}, {112, 120}, {104, 112}, {120, 112}, {108, 176}, {116, 176}};
        // The figure follows the strike boxes on its own timer's next tick,
        // so each check waits for that tick however busy the machine is.
        for (int strike = 1; strike <= 6; ++strike) {
            QTest::keyClick(button, misses[strike - 1]);
            const QPoint p = parts[strike - 1];
            const QColor expected = strike == 1 ? QColor(Qt::white) : QColor(Qt::black);
            QTRY_VERIFY2(at(f.client(), p.x(), p.y()) == expected, qPrintable(QStringLiteral("strike %1").arg(strike)));
            if (strike < 6)
                QCOMPARE(at(f.client(), parts[strike].x(), parts[strike].y()), kGrey);
        }
        QCOMPARE(at(f.client(), 120, 40), kGrey);
        QTest::keyClick(button, misses[6]);
        QTRY_COMPARE(at(f.client(), 120, 40), QColor(0, 0, 128)); // the strokes of the seventh
        QTest::keyClick(button, misses[7]);
        QTRY_COMPARE(at(f.client(), 112, 232), kGrey); // the support is gone
        const QImage hanged = f.client();
        QCOMPARE(at(hanged, 120, 40), kGrey); // and so are the strokes
        for (QPoint centre : kBoxCentres)
            QCOMPARE(at(hanged, centre.x() - 17, 10), QColor(192, 0, 0));
        QVERIFY(anyPixel(hanged, QRect(192, 224, 300, 32), Qt::white)); // the answer line
        QVERIFY(f.window->windowTitle().startsWith(QStringLiteral("VELMORA (-")));
    }

    void theAnswerLineShowsEveryTitleWholeOnItsOneLine()
    {
        const QFont font = gameFont(Face::Rounded, 20.25);
        for (const TitleGroup& group : kTitleTable) {
            for (std::u32string_view title : group) {
                const QString line = QStringLiteral("R: ") + QString::fromUcs4(title.data(), title.size());
                QVERIFY2(QFontMetrics(fittedFont(font, line, 569)).horizontalAdvance(line) <= 569, qPrintable(line));
            }
        }
    }

    void theMenusCarryTheirItemsShortcutsAndCheckMark()
    {
        WindowFixture f;
        const QList<QAction*> menus = f.window->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        // Each caption carries its access key, marked by the "&" before it,
        // and reads as it is without the mark.
        QCOMPARE(menus[0]->text(), QStringLiteral("&Menu"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Ayuda"));
        QCOMPARE(menus[0]->menu(), f.child<QMenu>("mnuMenu"));
        QCOMPARE(menus[1]->menu(), f.child<QMenu>("mnuHelp"));
        QStringList items;
        for (QAction* item : menus[0]->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text().section(QLatin1Char('\t'), 0, 0));
        QCOMPARE(items, (QStringList{"&Nuevo juego", "Partida entre &dos…", "-", "&Títulos propios…",
                                     "Títulos de &Velmora", "-", "&Mostrar sonidos", "Teclado en &pantalla", "-",
                                     "&Salir"}));
        items.clear();
        for (QAction* item : menus[1]->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text().section(QLatin1Char('\t'), 0, 0));
        QCOMPARE(items, (QStringList{"&Ver la Ayuda", "-", "&Acerca de Velmora"}));
        QCOMPARE(f.child<QAction>("mnuHelpAbout")->iconText(), QStringLiteral("Acerca de Velmora"));

        auto* newGame = f.child<QAction>("mnuMenuNew");
        auto* sounds = f.child<QAction>("mnuSounds");
        QCOMPARE(newGame->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(sounds->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(f.child<QAction>("mnuHelpAyuda")->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(!newGame->isEnabled());
        QVERIFY(sounds->isChecked());
        // A screen reader reads an item's text as its name: the shortcut must
        // be in it, after the tab where the menu shows it.
        for (const QAction* menu : menus) {
            for (const QAction* item : menu->menu()->actions()) {
                if (!item->shortcut().isEmpty())
                    QCOMPARE(item->text().section(QLatin1Char('\t'), 1),
                             item->shortcut().toString(QKeySequence::NativeText));
            }
        }
        QVERIFY(f.child<QAction>("mnuKeyboard")->isCheckable() && !f.child<QAction>("mnuKeyboard")->isChecked());
    }

    void theSoundSwitchShowsItsSignsOnTheButton()
    {
        WindowFixture f;
        auto* speaker = f.child<QAbstractButton>("cmdVoz");
        QCOMPARE(speaker->toolTip(), QStringLiteral(" Ocultar Sonidos "));
        QVERIFY(speaker->isChecked());
        QTest::mouseClick(speaker, Qt::LeftButton);
        QCOMPARE(speaker->toolTip(), QStringLiteral(" Mostrar Sonidos "));
        QVERIFY(!f.child<QAction>("mnuSounds")->isChecked());
        QVERIFY(!speaker->isChecked());
        QTest::keyClick(f.window.get(), Qt::Key_F3);
        QCOMPARE(speaker->toolTip(), QStringLiteral(" Ocultar Sonidos "));
        QVERIFY(f.child<QAction>("mnuSounds")->isChecked());
        QVERIFY(speaker->isChecked());
    }

    void aScreenReaderFindsThePaintedPartsAndANameOnEveryButton()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        auto* button = f.child<QAbstractButton>("cmdGame");
        QTest::keyClick(button, Qt::Key_A);
        QTest::keyClick(button, Qt::Key_Z);
        GameSurface* surface = f.surface();
        QCOMPARE(spokenText(surface, QStringLiteral("Tablero")),
                 QStringLiteral("2 palabras: guion guion, guion A guion guion guion guion guion"));
        QCOMPARE(spokenText(surface, QStringLiteral("Fallos")), QStringLiteral("Fallos: 1 de 8: Z"));
        QTRY_COMPARE(spokenText(surface, QStringLiteral("Ahorcado")), QStringLiteral("1 de 8 fallos dibujados"));
        QAccessibleInterface* score = paintedPart(surface, QStringLiteral("Puntuación"));
        QCOMPARE(score->valueInterface()->currentValue().toInt(), 0);
        QVERIFY(paintedPart(surface, QStringLiteral("Respuesta"))->state().invisible);
        QVERIFY(score->rect().contains(surface->mapToGlobal(layout::lblScore.center())));
        QAccessibleInterface* surfaceInterface = QAccessible::queryAccessibleInterface(surface);
        QCOMPARE(surfaceInterface->text(QAccessible::Name), QStringLiteral("Partida"));
        QCOMPARE(score->parent(), surfaceInterface);
        QCOMPARE(surfaceInterface->child(surfaceInterface->indexOfChild(score)), score);
        const QPoint onBoard = surface->mapToGlobal(layout::lblLetter(20).center());
        QCOMPARE(surfaceInterface->childAt(onBoard.x(), onBoard.y())->text(QAccessible::Name),
                 QStringLiteral("Tablero"));
        const QPoint onHiddenAnswer = surface->mapToGlobal(layout::lblWords.center());
        QCOMPARE(surfaceInterface->childAt(onHiddenAnswer.x(), onHiddenAnswer.y()), nullptr);

        // Every control is named, and its name and description are said
        // without the padding its tooltip carries on the screen.
        QList<QWidget*> controls{f.child<QLineEdit>("txtWord")};
        for (QAbstractButton* b : surface->findChildren<QAbstractButton*>())
            controls << b;
        for (QWidget* control : controls) {
            const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(!spoken->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description})
                QCOMPARE(spoken->text(t), spoken->text(t).trimmed());
        }
        QAccessibleInterface* speaker = QAccessible::queryAccessibleInterface(f.child<QAbstractButton>("cmdVoz"));
        QCOMPARE(speaker->text(QAccessible::Name), QStringLiteral("Sonido"));
        QVERIFY(speaker->state().checkable);
        QVERIFY(speaker->state().checked);
    }

    void tooltipsFollowTheLabelsUnderThePointer()
    {
        WindowFixture f;
        const GameSurface* surface = f.surface();
        QCOMPARE(surface->toolTipAt({209, 24}), QStringLiteral(" Primer Error "));
        QCOMPARE(surface->toolTipAt({495, 24}), QStringLiteral(" Séptimo Error "));
        QCOMPARE(surface->toolTipAt({542, 24}), QStringLiteral(" Octavo Error "));
        QCOMPARE(surface->toolTipAt({300, 60}), QStringLiteral(" Puntuación "));
        QCOMPARE(surface->toolTipAt({200, 60}), QStringLiteral(" Puntuación ")); // the score lies over the gallows label
        QCOMPARE(surface->toolTipAt({150, 200}), QStringLiteral(" El Ahorcado "));
        QCOMPARE(surface->toolTipAt({310, 100}), QStringLiteral(" El Ahorcado ")); // over the board's first columns
        QCOMPARE(surface->toolTipAt({330, 100}), QString());
        QCOMPARE(surface->toolTipAt({100, 100}), QString());
        QCOMPARE(f.child<QWidget>("txtWord")->toolTip(), QStringLiteral(" Introduzca Frase a Adivinar "));
        QCOMPARE(f.child<QWidget>("cmdCancel")->toolTip(), QStringLiteral(" Cerrar Cuadro De Texto "));
    }

    void hoveringThePlayButtonTurnsItBlueUntilTheBareSurface()
    {
        WindowFixture f;
        auto* button = f.child<QAbstractButton>("cmdGame");
        const QColor blue(27, 84, 227);
        movePointer(button, QPoint(10, 10));
        QCOMPARE(at(f.client(), 590, 14), blue);
        movePointer(f.surface(), QPoint(209, 24)); // a strike box is a label
        QCOMPARE(at(f.client(), 590, 14), blue);
        movePointer(f.surface(), QPoint(150, 200)); // so is the gallows' tooltip label
        QCOMPARE(at(f.client(), 590, 14), blue);
        movePointer(f.surface(), QPoint(572, 45)); // the black panel is bare surface
        QCOMPARE(at(f.client(), 590, 14), QColor(Qt::white));
    }

    void theWindowStartsCentredButNeverWithItsTopLeftOffTheScreen()
    {
        const QRect screen(0, 0, 640, 512); // 1280 x 1024 pixels at twice the scale
        QCOMPARE(centredPosition({300, 200}, screen.center(), screen), QPoint(170, 156));
        QCOMPARE(centredPosition({769, 284}, screen.center(), screen), QPoint(0, 114));
        const QRect shifted = screen.translated(100, 30);
        QCOMPARE(centredPosition({769, 600}, shifted.center(), shifted), QPoint(100, 30));
        // A window centred on another near the screen's edge is pulled back in.
        QCOMPARE(centredPosition({300, 200}, {600, 20}, screen), QPoint(340, 0));

        WindowFixture f;
        const QRect available = f.window->screen()->availableGeometry();
        QCOMPARE(f.window->pos(), centredPosition(f.window->size(), available.center(), available));
    }

    void draggingABorderSpringsBackEachDimensionOnItsOwn()
    {
        WindowFixture f;
        const QSize fixed = f.window->fixedSize();
        QCOMPARE(f.window->size(), fixed);
        f.window->resize(fixed.width() + 40, fixed.height());
        QTRY_COMPARE(f.window->size(), fixed);
        f.window->resize(fixed.width(), fixed.height() + 40);
        QTRY_COMPARE(f.window->size(), fixed);
        f.window->resize(fixed.width() - 30, fixed.height() - 30);
        QTRY_COMPARE(f.window->size(), fixed);

        // The on-screen keyboard is built only when shown, below the game,
        // and the fixed size grows to hold it and shrinks back without it.
        QVERIFY(f.window->findChild<OnScreenKeyboard*>() == nullptr);
        f.child<QAction>("mnuKeyboard")->trigger();
        const QSize withKeys(fixed.width(), fixed.height() + OnScreenKeyboard::kHeight);
        QTRY_COMPARE(f.window->size(), withKeys);
        QCOMPARE(f.child<QWidget>("tecladoEnPantalla")->geometry().top(), layout::kClientHeight);
        f.window->resize(withKeys.width(), withKeys.height() + 40);
        QTRY_COMPARE(f.window->size(), withKeys);
        f.window->showKeyboard(false);
        QVERIFY(!f.child<QAction>("mnuKeyboard")->isChecked());
        QTRY_COMPARE(f.window->size(), fixed);
        QVERIFY(f.window->findChild<OnScreenKeyboard*>() == nullptr);
    }

    void maximisingKeepsEveryControlAtTheTopLeft()
    {
        WindowFixture f;
        const QRect button = f.child<QWidget>("cmdGame")->geometry();
        f.window->showMaximized();
        QTRY_VERIFY(f.window->isMaximized());
        QCOMPARE(f.child<QWidget>("cmdGame")->geometry(), button);
        f.window->showNormal();
        QTRY_COMPARE(f.window->size(), f.window->fixedSize());
    }

    void theHundredMillisecondTimersRepaintNothingWhenNothingChanged()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        int paints = 0;
        struct Counter : QObject {
            int* count;
            explicit Counter(int* c) : count(c) {}
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Paint)
                    ++*count;
                return false;
            }
        } counter(&paints);
        f.surface()->installEventFilter(&counter);
        f.window->installEventFilter(&counter);
        // The start of the round is painted first, however late a busy
        // machine gets to it; then a whole second must pass without a paint.
        QElapsedTimer settling;
        settling.start();
        for (int before = -1; paints != before && settling.elapsed() < 10000;) {
            before = paints;
            QTest::qWait(300);
        }
        paints = 0;
        QTest::qWait(1000);
        QCOMPARE(paints, 0);
        QTest::keyClick(f.child<QAbstractButton>("cmdGame"), Qt::Key_E);
        QTRY_VERIFY(paints > 0);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
