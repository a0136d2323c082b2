// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenReaderTexts.h"

#include <QTest>

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

} // namespace

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
        QCOMPARE(spoken::strikesText(c), QStringLiteral("0 de 8"));
        strike(c, U"XQ7");
        QCOMPARE(spoken::strikesText(c), QStringLiteral("3 de 8: X, Q, 7"));
        for (StrikeBox& box : c.lblStrike)
            box.BackColor = BoxColour::Yellow;
        QCOMPARE(spoken::strikesText(c), QStringLiteral("3 de 8: X, Q, 7, letra ya usada"));
        for (StrikeBox& box : c.lblStrike)
            box.BackColor = BoxColour::White;
        strike(c, U"XQ7BCDFG");
        QCOMPARE(spoken::strikesText(c), QStringLiteral("8 de 8: X, Q, 7, B, C, D, F, G"));
    }

    void aWrongWholeTitleIsSaidAsTheWordTheBoxesSpell()
    {
        WindowControls c;
        strike(c, U"¡MUERTO!");
        QCOMPARE(spoken::strikesText(c), QStringLiteral("8 de 8: ¡MUERTO!"));
    }

    void theFigureTellsItsDrawnPartsAndWhenItIsFrightenedOrHanged()
    {
        WindowControls c;
        c.figure.resetStandingPose();
        QCOMPARE(spoken::figureText(c), QStringLiteral("0 de 6 partes dibujadas"));
        c.figure.prt1.Visible = true;
        c.figure.prt7.Visible = true;
        c.figure.prt2.Visible = true;
        c.figure.prt3.Visible = true;
        QCOMPARE(spoken::figureText(c), QStringLiteral("3 de 6 partes dibujadas"));
        for (FigureLine* part : {&c.figure.prt4, &c.figure.prt5, &c.figure.prt6})
            part->Visible = true;
        c.figure.prt7.Caption = U"o o";
        QCOMPARE(spoken::figureText(c), QStringLiteral("6 de 6 partes dibujadas, asustado"));
        c.figure.hang();
        QCOMPARE(spoken::figureText(c), QStringLiteral("6 de 6 partes dibujadas, ahorcado"));
    }

    void theScoreAndTheAnswerLineAreSaidAsShown()
    {
        WindowControls c;
        c.lblScoreCaption = U"1250";
        QCOMPARE(spoken::scoreText(c), QStringLiteral("1250"));
        c.lblWordsCaption = U"R: EL PADRINO";
        QCOMPARE(spoken::answerText(c), QString());
        c.lblWordsVisible = true;
        QCOMPARE(spoken::answerText(c), QStringLiteral("EL PADRINO"));
    }
};

QTEST_GUILESS_MAIN(ScreenReaderTextsTest)
#include "ScreenReaderTextsTest.moc"
