// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHarness.h"
#include "painting/Layout.h"
#include "screenreader/PaintedPartAccessible.h"
#include "screenreader/ScreenReaderTexts.h"
#include "screenreader/SpokenMoves.h"

#include <QTest>

#include <functional>

using namespace velmora;

namespace {

// The board as a round lays a title into it: one character a cell, an
// underline under every letter. Cells past the title keep an old caption
// and no underline, as they do after an earlier, longer title.
WindowControls boardWith(std::u32string_view title)
{
    WindowControls c;
    for (BoardCell& cell : c.lblLetter)
        cell.Caption = U'Z';
    for (std::size_t i = 0; i < title.size(); ++i) {
        c.lblLetter[i].Caption = title[i];
        c.lblLetter[i].LineVisible = title[i] != U' ';
    }
    return c;
}

void reveal(WindowControls& c, char32_t letter)
{
    for (BoardCell& cell : c.lblLetter) {
        if (cell.LineVisible && cell.Caption == letter)
            cell.LetterVisible = true;
    }
}

void strike(WindowControls& c, std::u32string_view characters)
{
    for (std::size_t i = 0; i < characters.size(); ++i)
        c.lblStrike[i].Caption = characters[i];
}

PlayMoment momentOf(const GameHarness& h)
{
    return {h.controls(), h.round(), h.game.timerEnabled(TimerId::tmrScore), h.game.lastMove()};
}

// A round between two on a title whose A and L come three times each.
void playLaLaLand(GameHarness& h)
{
    h.game.playTitle(U"LA LA LAND");
}

using Step = std::function<void(GameHarness&)>;

} // namespace

Q_DECLARE_METATYPE(Step)

class ScreenReaderTextsTest : public QObject {
    Q_OBJECT

private slots:
    void theBoardIsSaidWordByWordWithAPlaceholderForEachHiddenLetter()
    {
        QCOMPARE(spoken::boardText(WindowControls{}), QStringLiteral("Vacío"));

        WindowControls c = boardWith(U"EL PADRINO");
        QCOMPARE(spoken::boardText(c),
                 QStringLiteral("2 palabras: guion guion, guion guion guion guion guion guion guion"));
        reveal(c, U'A');
        reveal(c, U'O');
        QCOMPARE(spoken::boardText(c), QStringLiteral("2 palabras: guion guion, guion A guion guion guion guion O"));

        // A word that runs on into the next row of cells is still one word.
        WindowControls one = boardWith(U"SUPERCALIFRAGILISTICO");
        reveal(one, U'I');
        QVERIFY(spoken::boardText(one).startsWith(QStringLiteral("1 palabra: guion")));
        QCOMPARE(spoken::boardText(one).count(QStringLiteral("guion")), 17);
        QCOMPARE(spoken::boardText(one).count(QStringLiteral(" I")), 4);

        WindowControls digits = boardWith(U"SEÑOR 2");
        reveal(digits, U'Ñ');
        reveal(digits, U'2');
        QCOMPARE(spoken::boardText(digits), QStringLiteral("2 palabras: guion guion Ñ guion guion, 2"));
    }

    void theStrikesAreCountedAndListedInBoxOrder()
    {
        WindowControls c;
        QCOMPARE(spoken::strikesText(c), QStringLiteral("Fallos: 0 de 8"));
        strike(c, U"XQ7");
        QCOMPARE(spoken::strikesText(c), QStringLiteral("Fallos: 3 de 8: X, Q, 7"));
        for (StrikeBox& box : c.lblStrike)
            box.BackColor = BoxColour::Yellow;
        QCOMPARE(spoken::strikesText(c), QStringLiteral("Fallos: 3 de 8: X, Q, 7, letra ya usada"));
        for (StrikeBox& box : c.lblStrike)
            box.BackColor = BoxColour::White;
        strike(c, U"XQ7BCDFG");
        QCOMPARE(spoken::strikesText(c), QStringLiteral("Fallos: 8 de 8: X, Q, 7, B, C, D, F, G"));
    }

    void aWrongWholeTitleIsSaidAsTheWordTheBoxesSpell()
    {
        WindowControls c;
        strike(c, U"¡MUERTO!");
        QCOMPARE(spoken::strikesText(c), QStringLiteral("Fallos: 8 de 8: ¡MUERTO!"));
    }

    void theFigureTellsItsDrawnPartsAndWhenItIsFrightenedOrHanged()
    {
        WindowControls c;
        c.figure.resetStandingPose();
        QCOMPARE(spoken::figureText(c), QStringLiteral("0 de 8 fallos dibujados"));
        c.figure.prt1.Visible = true;
        c.figure.prt7.Visible = true;
        c.figure.prt2.Visible = true;
        c.figure.prt3.Visible = true;
        QCOMPARE(spoken::figureText(c), QStringLiteral("3 de 8 fallos dibujados"));
        for (FigureLine* part : {&c.figure.prt4, &c.figure.prt5, &c.figure.prt6})
            part->Visible = true;
        c.figure.prt7.Caption = U"o o";
        QCOMPARE(spoken::figureText(c), QStringLiteral("7 de 8 fallos dibujados, asustado"));
        c.figure.hang();
        QCOMPARE(spoken::figureText(c), QStringLiteral("8 de 8 fallos dibujados, ahorcado"));
    }

    void eachMoveIsToldOnceInASentence_data()
    {
        QTest::addColumn<Step>("before");
        QTest::addColumn<Step>("move");
        QTest::addColumn<QString>("told");
        const Step nothing = [](GameHarness&) {};
        const auto typing = [](std::u32string keys) { return Step([keys](GameHarness& h) { h.type(keys); }); };
        const Step lost = [](GameHarness& h) { h.type(U"XQZKWJB"); };
        QTest::newRow("a new round") << nothing << Step(playLaLaLand)
                                     << QStringLiteral("Nueva partida: 3 palabras: 2, 2 y 4 letras.");
        QTest::newRow("a new round of one word")
            << nothing << Step([](GameHarness& h) { h.game.playTitle(U"SCREAM"); })
            << QStringLiteral("Nueva partida: 1 palabra: 6 letras.");
        QTest::newRow("the same round started again before any key") << Step(playLaLaLand) << Step(playLaLaLand)
                                                                      << QString();
        QTest::newRow("a hit") << Step(playLaLaLand) << typing(U"A")
                               << QStringLiteral("Acierto: A, 3 casillas: palabra 1, letra 2; palabra 2, letra 2; "
                                                 "palabra 3, letra 2.");
        QTest::newRow("a hit twice in one word")
            << Step([](GameHarness& h) { h.game.playTitle(U"EL ESTE"); }) << typing(U"E")
            << QStringLiteral("Acierto: E, 3 casillas: palabra 1, letra 1; palabra 2, letras 1 y 4.");
        QTest::newRow("a miss") << Step(playLaLaLand) << typing(U"X") << QStringLiteral("Fallo: X, 1 de 8.");
        QTest::newRow("a letter typed again")
            << Step([](GameHarness& h) { playLaLaLand(h); h.type(U"A"); }) << typing(U"A")
            << QStringLiteral("Letra ya usada: A.");
        QTest::newRow("a letter typed again while the boxes flash yellow")
            << Step([](GameHarness& h) { playLaLaLand(h); h.type(U"AA"); }) << typing(U"A") << QString();
        QTest::newRow("the seventh miss")
            << Step([](GameHarness& h) { playLaLaLand(h); h.type(U"XQZKWJ"); }) << typing(U"B")
            << QStringLiteral("Fallo: B, 7 de 8. Queda un fallo.");
        QTest::newRow("a letter typed again once its warning is over")
            << Step([](GameHarness& h) { playLaLaLand(h); h.type(U"AA"); h.clock.advance(1000); }) << typing(U"A")
            << QStringLiteral("Letra ya usada: A.");
        QTest::newRow("the eighth miss")
            << Step([=](GameHarness& h) { playLaLaLand(h); lost(h); }) << typing(U"V")
            << QStringLiteral("Fallo: V, 8 de 8. Partida perdida. El título era LA LA LAND. Penalización: 900 puntos.");
        QTest::newRow("the last letter") << Step([](GameHarness& h) { playLaLaLand(h); h.type(U"LAN"); })
                                         << typing(U"D")
                                         << QStringLiteral("Acierto: D, 1 casilla: palabra 3, letra 4. "
                                                           "Partida ganada: 800 puntos.");
        QTest::newRow("a point of the score's count")
            << Step([](GameHarness& h) { playLaLaLand(h); h.type(U"LAND"); })
            << Step([](GameHarness& h) { h.clock.advance(10); }) << QString();
        QTest::newRow("the end of the score's count")
            << Step([](GameHarness& h) { playLaLaLand(h); h.type(U"LAND"); h.clock.advance(10); })
            << Step([](GameHarness& h) { h.clock.runUntilStopped(TimerId::tmrScore, 10000); })
            << QStringLiteral("Puntuación: 800.");
        QTest::newRow("the answer box opened")
            << Step(playLaLaLand) << typing(U"!")
            << QStringLiteral("Cuadro de respuesta abierto: escriba el título y pulse Intro.");
        QTest::newRow("the answer box closed")
            << Step([](GameHarness& h) { playLaLaLand(h); h.type(U"!"); })
            << Step([](GameHarness& h) { h.game.cmdCancel_Click(); }) << QStringLiteral("Cuadro de respuesta cerrado.");
        const auto typedAnswer = [](std::u32string phrase) {
            return Step([phrase](GameHarness& h) { playLaLaLand(h); h.type(U"!"); h.typeInAnswerBox(phrase); });
        };
        const Step enter = [](GameHarness& h) { h.game.txtWord_KeyPress('\r'); };
        QTest::newRow("a wrong title")
            << typedAnswer(U"LA LA LANE") << enter
            << QStringLiteral("Título equivocado. Partida perdida. El título era LA LA LAND. "
                              "Penalización: 900 puntos.");
        QTest::newRow("the right title") << typedAnswer(U"LA LA LAND") << enter
                                         << QStringLiteral("Título acertado. Partida ganada: 800 puntos.");
        QTest::newRow("the sounds switched off") << nothing << Step([](GameHarness& h) { h.game.mnuSounds_Click(); })
                                                 << QStringLiteral("Sonidos desactivados.");
    }

    void eachMoveIsToldOnceInASentence()
    {
        QFETCH(Step, before);
        QFETCH(Step, move);
        QFETCH(QString, told);
        GameHarness h;
        before(h);
        const PlayMoment start = momentOf(h);
        move(h);
        QCOMPARE(spoken::announcement(start, momentOf(h)), told);
    }

    void whereTheGameStandsNamesTheBoardTheMissesTheAnswerAndTheScore()
    {
        GameHarness h;
        playLaLaLand(h);
        h.type(U"AXQZKWJBV");
        h.clock.advance(100);
        QCOMPARE(spoken::standing(momentOf(h)),
                 QStringLiteral("Tablero: 3 palabras: guion A, guion A, guion A guion guion. "
                                "Fallos: 8 de 8: X, Q, Z, K, W, J, B, V. Respuesta: LA LA LAND. Puntuación: 0."));
        QCOMPARE(spoken::brief(momentOf(h)), QStringLiteral("Partida perdida. Puntuación: 0."));
        h.game.playTitle(U"LA LA LAND");
        h.type(U"AX");
        QCOMPARE(spoken::brief(momentOf(h)), QStringLiteral("En juego: 5 letras por descubrir, 1 de 8 fallos."));
    }

    void eachCharacterOfTheBoardLiesOverTheCellItTellsOfInReadingOrder()
    {
        WindowControls c = boardWith(U"LA LA");
        reveal(c, U'A');
        const QString text = spoken::boardText(c);
        const std::vector<QRect> boxes = PaintedPartAccessible::characterBoxes(PaintedPart::Board, c);
        QCOMPARE(boxes.size(), static_cast<std::size_t>(text.size()));
        QVERIFY(layout::lblLetter(2).contains(boxes[static_cast<std::size_t>(text.indexOf(u'A'))]));
        QVERIFY(layout::lblLetter(5).contains(boxes[static_cast<std::size_t>(text.lastIndexOf(u'A'))]));
        for (std::size_t i = 1; i < boxes.size(); ++i)
            QVERIFY(boxes[i - 1].left() <= boxes[i].left() || boxes[i - 1].top() < boxes[i].top());
    }

    void theScoreAndTheAnswerLineAreSaidAsShown()
    {
        WindowControls c;
        c.lblScoreCaption = U"1250";
        QCOMPARE(spoken::scoreText(c), QStringLiteral("Puntuación: 1250"));
        c.lblWordsCaption = U"R: EL PADRINO";
        QCOMPARE(spoken::answerText(c), QString());
        c.lblWordsVisible = true;
        QCOMPARE(spoken::answerText(c), QStringLiteral("EL PADRINO"));
    }
};

QTEST_GUILESS_MAIN(ScreenReaderTextsTest)
#include "ScreenReaderTextsTest.moc"
