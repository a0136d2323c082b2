// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's keys: the function keys wherever the focus is, which
// control's handler a key reaches, what Space and Enter do on the play
// button, the answer box from its first key to a right answer, the
// on-screen keys, and the keys after a menu.
#include "TitleTable.h"
#include "WindowFixture.h"
#include "desktop/ApplicationSetup.h"
#include "dialogs/QtDialogs.h"
#include "painting/GameSurface.h"
#include "painting/QtText.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace velmora;

class MainWindowKeysTest : public QObject {
    Q_OBJECT

private slots:
    void theFunctionKeysWorkWhereverTheFocusIs()
    {
        WindowFixture f;
        QTest::keyClick(f.window.get(), Qt::Key_F2);
        QVERIFY(!f.window->game().round().GameActive); // disabled before the first round
        QTest::keyClick(f.window.get(), Qt::Key_F3);
        QVERIFY(!f.window->game().round().SoundOn);
        QVERIFY(!f.child<QAction>("mnuSounds")->isChecked());
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        QCOMPARE(f.help.helpShown, 1);

        f.startRound(U"EL PADRINO");
        QTest::keyClick(f.child<QAbstractButton>("cmdGame"), Qt::Key_Exclam, Qt::ShiftModifier);
        auto* box = f.child<QLineEdit>("txtWord");
        QVERIFY(box->isVisible());
        QVERIFY(box->hasFocus());
        f.random->queueTitle(1, 0);
        QTest::keyClick(box, Qt::Key_F2);
        QCOMPARE(f.window->game().round().CurrentTitle, std::u32string(kTitleTable[0][0]));
        QTest::keyClick(box, Qt::Key_F3);
        QVERIFY(f.window->game().round().SoundOn);
    }

    void spaceOrEnterOnThePlayButtonNeverAbandonsARound()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        auto* button = f.child<QAbstractButton>("cmdGame");
        QTest::keyClick(button, Qt::Key_E);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(f.window->game().round().CurrentTitle, std::u32string(U"EL PADRINO"));
        QCOMPARE(f.window->game().controls().txtAlfa, std::u32string(U"E"));

        // Between rounds Enter starts the next one.
        for (char c : std::string("LPADRINO"))
            QTest::keyClick(button, c);
        QVERIFY(!f.window->game().round().GameActive);
        QTRY_VERIFY(button->isEnabled());
        f.random->queueTitle(1, 0);
        QTest::keyClick(button, Qt::Key_Return);
        QVERIFY(f.window->game().round().GameActive);
    }

    void keysGoToTheHandlerOfTheFocusedControl()
    {
        WindowFixture f;
        f.startRound(U"EL SEÑOR DE LOS ANILLOS");
        auto* speaker = f.child<QAbstractButton>("cmdVoz");
        QTest::mouseClick(speaker, Qt::LeftButton); // the click also takes the focus
        QVERIFY(speaker->hasFocus());
        typeText(speaker, QStringLiteral("ñ"));
        QCOMPARE(f.window->game().controls().txtAlfa, std::u32string(U"Ñ"));
        typeText(speaker, QStringLiteral("é?"));
        QCOMPARE(f.window->game().controls().txtAlfa, std::u32string(U"ÑE"));
        // A key the surface leaves travels on to the window, which does not take it again.
        f.surface()->setFocus();
        QTest::keyClick(f.surface(), Qt::Key_L);
        QCOMPARE(f.controls().txtAlfa, std::u32string(U"ÑEL"));
        QVERIFY(f.controls().lblStrike[0].BackColor != BoxColour::Yellow);
    }

    void theOnScreenKeysTypeAlongTheKeyRoadWithoutTakingTheFocus()
    {
        WindowFixture f;
        f.window->showKeyboard(true);
        f.startRound(U"EL SUR");
        const auto keys = f.child<QWidget>("tecladoEnPantalla")->findChildren<QAbstractButton*>();
        const auto key = [&](const QString& name) {
            return *std::find_if(keys.begin(), keys.end(), [&](auto* k) { return k->accessibleName() == name; });
        };
        auto* cmdGame = f.child<QWidget>("cmdGame");
        QTest::mouseClick(key("E"), Qt::LeftButton);
        QTest::mouseClick(key("X"), Qt::LeftButton);
        QCOMPARE(f.controls().txtAlfa, std::u32string(U"EX"));
        QCOMPARE(f.window->focusWidget(), cmdGame);
        QCOMPARE(key("E")->accessibleDescription(), QStringLiteral("Está en el título"));
        QCOMPARE(key("X")->accessibleDescription(), QStringLiteral("No está en el título"));
        // A key tried does nothing more: a second click is no repeat.
        QVERIFY(!key("E")->isEnabled());
        QTest::mouseClick(key("E"), Qt::LeftButton);
        QVERIFY(f.controls().lblStrike[0].BackColor != BoxColour::Yellow);

        // The answer key opens the box, where every key types, then sends it.
        QTest::mouseClick(key("Título entero"), Qt::LeftButton);
        auto* box = f.child<QLineEdit>("txtWord");
        QVERIFY(box->hasFocus());
        for (const char* name : {"E", "L", "ESPACIO", "S", "U", "R", "R", "BORRAR"})
            QTest::mouseClick(key(QString::fromLatin1(name)), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("el sur"));
        const auto answer = answerNextMessageBox(QMessageBox::Yes);
        QTest::mouseClick(key("Intro"), Qt::LeftButton);
        QVERIFY(answer->seen);
        QVERIFY(f.window->windowTitle().startsWith(QStringLiteral("VELMORA (+")));

        // Every key is fresh at the next round.
        QTRY_VERIFY(cmdGame->isEnabled());
        f.startRound(U"EL SUR");
        QVERIFY(key("E")->isEnabled());
        QCOMPARE(key("X")->accessibleDescription(), QStringLiteral("Sin probar"));
    }

    void aLetterAfterAMenuClosedWithEscapeIsAGuess()
    {
        WindowFixture f;
        f.startRound(U"EL SUR");
        QTest::keyClick(f.window.get(), Qt::Key_M, Qt::AltModifier);
        auto* menu = f.child<QMenu>("mnuMenu");
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        // The letter goes where the keyboard sends it, to the window's focus.
        QTRY_VERIFY(f.window->focusWidget() != f.window->menuBar());
        QTest::keyClick(f.window->focusWidget(), Qt::Key_L);
        QCOMPARE(f.controls().txtAlfa, std::u32string(U"L"));
        QVERIFY(f.controls().lblLetter[1].LetterVisible);
    }

    void theAnswerBoxFiltersKeysAndConfirmsInSpanish()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        QTest::keyClicks(f.child<QAbstractButton>("cmdGame"), QStringLiteral("!"));
        auto* box = f.child<QLineEdit>("txtWord");
        typeText(box, QStringLiteral(" el-padriño?Ñ"));
        QCOMPARE(box->text(), QStringLiteral("elpadriñoÑ"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("elpadriñ"));

        const auto answer = answerNextMessageBox(QMessageBox::No);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(answer->seen);
        QCOMPARE(answer->title, QStringLiteral("Velmora"));
        QCOMPARE(answer->text, QStringLiteral("¿Está seguro?, morirá si se equivoca."));
        QCOMPARE(answer->icon, QMessageBox::Question);
        QCOMPARE(answer->buttons.size(), 2);
        QVERIFY(answer->buttons.contains(QStringLiteral("Sí")));
        QVERIFY(answer->buttons.contains(QStringLiteral("No")));
        QCOMPARE(answer->defaultButton, QStringLiteral("Sí"));
        QCOMPARE(box->text(), QStringLiteral("ELPADRIÑ"));
        QVERIFY(box->isVisible());

        // Text the player could not have typed never gets into the box, so
        // the rules' warning about accents and symbols is shown here
        // directly.
        box->setText(QStringLiteral("ÃL"));
        QCOMPARE(box->text(), QStringLiteral("L"));
        QtDialogs dialogs(f.window.get(), {});
        const auto warning = answerNextMessageBox(QMessageBox::Ok);
        QCOMPARE(dialogs.showMessage(U"Espere, hay mínimo un símbolo o letra con acento, revise si los hay y quítelos.",
                                     MessageIcon::Warning, MessageButtons::Ok),
                 MessageAnswer::Ok);
        QCOMPARE(warning->title, QStringLiteral("Velmora"));
        QCOMPARE(warning->icon, QMessageBox::Warning);
        QCOMPARE(warning->buttons, QStringList{QStringLiteral("Aceptar")});

        QTest::mouseDClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), QString());
        QTest::mouseClick(f.child<QAbstractButton>("cmdCancel"), Qt::LeftButton);
        QVERIFY(!box->isVisible());
        QCOMPARE(f.window->focusWidget(), f.child<QWidget>("cmdGame"));
    }

    void deleteAndTheCursorKeysEditTheAnswerBox()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        QTest::keyClicks(f.child<QAbstractButton>("cmdGame"), QStringLiteral("!"));
        auto* box = f.child<QLineEdit>("txtWord");
        QTest::keyClicks(box, QStringLiteral("padrino"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Right);
        // Under X11 the Delete key carries the character DEL as its text.
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Delete, QString(QChar(0x7F)), Qt::NoModifier);
        QCOMPARE(box->text(), QStringLiteral("pdrino"));
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("pdrin"));
        QCOMPARE(qtText(f.controls().txtWord), QStringLiteral("pdrin"));
    }

    void aRightAnswerWinsThroughTheWindow()
    {
        WindowFixture f;
        f.startRound(U"NUEVE REINAS");
        QTest::keyClicks(f.child<QAbstractButton>("cmdGame"), QStringLiteral("!"));
        auto* box = f.child<QLineEdit>("txtWord");
        QTest::keyClicks(box, QStringLiteral("nueve reinas"));
        const auto answer = answerNextMessageBox(QMessageBox::Yes);
        QTest::keyClick(box, Qt::Key_Enter);
        QVERIFY(answer->seen);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELMORA (+1100)"));
        QVERIFY(!box->isVisible());
    }

    void thePlayButtonHasTheFocusAndIsTheOnlyTabStopAtStart()
    {
        WindowFixture f;
        auto* button = f.child<QWidget>("cmdGame");
        QCOMPARE(f.window->focusWidget(), button);
        QTest::keyClick(button, Qt::Key_Tab);
        QCOMPARE(f.window->focusWidget(), button);
        QCOMPARE(f.child<QWidget>("cmdVoz")->focusPolicy(), Qt::ClickFocus);
    }

    void theAnswerBoxContextMenuSpeaksSpanish()
    {
        WindowFixture f;
        std::unique_ptr<QMenu> menu(f.child<QLineEdit>("txtWord")->createStandardContextMenu());
        QStringList items;
        for (QAction* item : menu->actions())
            items << item->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        QVERIFY2(items.contains(QStringLiteral("Pegar")), qPrintable(items.join(QLatin1Char('|'))));
        QVERIFY(items.contains(QStringLiteral("Deshacer")));
    }

    void salirEndsTheProgramAtOnce()
    {
        WindowFixture f;
        f.startRound(U"EL PADRINO");
        QTimer::singleShot(0, f.child<QAction>("mnuMenuExit"), &QAction::trigger);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(f.sound->played.empty()); // the pending new-title cue never played
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareApplication(app);
    MainWindowKeysTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowKeysTest.moc"
