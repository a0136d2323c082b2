// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHarness.h"
#include "KeyCodes.h"
#include "painting/QtText.h"

#include <QTest>

using namespace velmora;

namespace {

const std::u32string kConfirm = U"¿Está seguro?, morirá si se equivoca.";
const std::u32string kWarning = U"Espere, hay mínimo un símbolo o letra con acento, revise si los hay y quítelos.";

} // namespace

class AnswerBoxTest : public QObject {
    Q_OBJECT

private slots:
    void theBoxRefusesASpaceAsFirstCharacterButTakesItAfterwards()
    {
        QCOMPARE(Verificar_Tecla(' ', true), 0);
        QCOMPARE(Verificar_Tecla(' ', false), int{' '});
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"!");
        h.typeInAnswerBox(U" EL  PADRINO ");
        QCOMPARE(qtText(h.controls().txtWord), QStringLiteral("EL  PADRINO "));
    }

    void theBoxTakesLettersDigitsEnyeInBothCasesAndBackspace()
    {
        for (int key : std::initializer_list<int>{'0', '9', 'A', 'Z', 'a', 'z', 0xF1, 0xD1, 8}) {
            QCOMPARE(Verificar_Tecla(key, true), key);
            QCOMPARE(Verificar_Tecla(key, false), key);
        }
    }

    void theBoxDiscardsSymbolsOtherMarkedLettersAndControlCodes()
    {
        // ã õ å ç ý Ã, × and ÷ among the vowels' codes, a lone acute.
        for (int key : std::initializer_list<int>{'!', '?', '.', '-', 0xE3, 0xF5, 0xE5, 0xE7, 0xFD, 0xC3, 0xD7, 0xF7,
                                                  0xB4, 22, 3, 27, 0, -5, 300})
            QCOMPARE(Verificar_Tecla(key, false), 0);
    }

    void theBoxTakesAnAccentedVowelAsItsPlainVowelInTheSameCase()
    {
        const std::u32string accented = U"àáâäèéêëìíîïòóôöùúûüÀÁÂÄÈÉÊËÌÍÎÏÒÓÔÖÙÚÛÜ";
        for (std::size_t i = 0; i < accented.size(); ++i)
            QCOMPARE(Verificar_Tecla(static_cast<int>(accented[i]), true), int{"aeiouAEIOU"[i / 4]});
        GameHarness h;
        h.startRound(U"LA MASCARA");
        h.answer(U"La máscara");
        QCOMPARE(h.controls().filledStrikeBoxes(), 0);
    }

    void theBoxHoldsAtMostFortyTwoCharacters()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"!");
        h.game.txtWord_Change(std::u32string(50, U'A'));
        QCOMPARE(h.controls().txtWord.size(), std::size_t{42});
    }

    void textArrivingAllAtOnceIsTakenAsIfTypedKeyByKey()
    {
        // Pasted, dropped or composed text, against the same characters
        // typed one key each into an empty box.
        const std::u32string samples[] = {
            U" el padriño!",
            std::u32string(U"\u0001É l\u202Epa😀dr") + U'\0' + U"ino\tñÑ",
            U"  A  B ",
            std::u32string(50, U'—') + U"EL PADRINO",
            std::u32string(40, U'x') + U"¡yz!",
            U"Ñandú 2·3",
        };
        for (const std::u32string& sample : samples) {
            GameHarness h;
            h.startRound(U"EL PADRINO");
            h.type(U"!");
            h.typeInAnswerBox(sample);
            QCOMPARE(qtText(admitToAnswerBox(sample, true, 0)), qtText(h.controls().txtWord));
        }
    }

    void arrivingTextFillsOnlyTheRoomBesideWhatTheBoxKeeps()
    {
        // A space is taken first when the box already held text.
        QCOMPARE(qtText(admitToAnswerBox(U" a!b", false, 39)), QStringLiteral(" ab"));
        QCOMPARE(qtText(admitToAnswerBox(U" a!bc", false, 40)), QStringLiteral(" a"));
        QCOMPARE(qtText(admitToAnswerBox(U"abc", false, 42)), QString());
        // Backspace is a key, not a character a text can carry.
        QCOMPARE(qtText(admitToAnswerBox(U"a\bb", true, 0)), QStringLiteral("ab"));
    }

    void enterInTheBoxAsksForConfirmationAndNoKeepsTheUpperCasedText()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"!");
        h.typeInAnswerBox(U"el padriño");
        h.dialogs.answers.push_back(MessageAnswer::No);
        QCOMPARE(h.game.txtWord_KeyPress(kKeyEnter), kKeyEnter);
        QCOMPARE(h.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(qtText(h.dialogs.shown[0].text), qtText(kConfirm));
        QCOMPARE(h.dialogs.shown[0].buttons, MessageButtons::YesNo);
        QVERIFY(h.controls().frmeAnsVisible);
        QCOMPARE(qtText(h.controls().txtWord), QStringLiteral("EL PADRIÑO"));
        QVERIFY(h.round().GameActive);
    }

    void aPastedAccentOrSymbolBringsTheWarningAndTheTextStays()
    {
        GameHarness h;
        h.startRound(U"EL REY LEON");
        h.type(U"!");
        h.game.txtWord_Change(U"el rey león");
        h.game.txtWord_KeyPress(kKeyEnter);
        QCOMPARE(h.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(qtText(h.dialogs.shown[0].text), qtText(kWarning));
        QCOMPARE(h.dialogs.shown[0].icon, MessageIcon::Warning);
        QCOMPARE(h.dialogs.shown[0].buttons, MessageButtons::Ok);
        QCOMPARE(qtText(h.controls().txtWord), QStringLiteral("EL REY LEÓN"));
        QVERIFY(h.controls().frmeAnsVisible);
    }

    void doubleClickEmptiesTheBoxAndCancelClosesItWithoutEndingTheRound()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"!");
        h.typeInAnswerBox(U"ABC");
        h.game.txtWord_DblClick();
        QVERIFY(h.controls().txtWord.empty());
        QVERIFY(h.controls().frmeAnsVisible);
        h.typeInAnswerBox(U"ABC");
        h.game.cmdCancel_Click();
        QVERIFY(!h.controls().frmeAnsVisible);
        QVERIFY(h.controls().txtWord.empty());
        QCOMPARE(h.focus.moves.back(), FocusTarget::cmdGame);
        QVERIFY(h.round().GameActive);
        h.type(U"E");
        QCOMPARE(h.round().RevealedCount, 1);
    }

    void aRightAnswerEmptiesTheBoxesRevealsEveryCellAndWins()
    {
        GameHarness h;
        h.startRound(U"NUEVE REINAS");
        h.miss(2);
        h.answer(U"nueve reinas");
        QCOMPARE(h.controls().filledStrikeBoxes(), 0);
        QVERIFY(!h.round().GameActive);
        QCOMPARE(h.round().RevealedCount, 11);
        for (std::size_t i = 0; i < 12; ++i)
            QCOMPARE(h.controls().lblLetter[i].LetterVisible, i != 5);
        QVERIFY(!h.controls().frmeAnsVisible);
        QVERIFY(h.controls().txtWord.empty());
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (+367)"));
    }

    void aRightAnswerWithNoMissesScoresOneHundredPerLetter()
    {
        GameHarness h;
        h.startRound(U"EL SEÑOR DE LOS ANILLOS");
        h.answer(U"el señor de los anillos");
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (+1900)"));
        QCOMPARE(h.round().Score, 1900);
    }

    void aWrongAnswerSpellsMuertoAndLosesTheRound()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"E");
        h.answer(U"EL PADRONE");
        std::u32string word;
        for (const StrikeBox& box : h.controls().lblStrike)
            word.push_back(box.Caption);
        QCOMPARE(qtText(word), QStringLiteral("¡MUERTO!"));
        QVERIFY(!h.round().GameActive);
        // One of ten cells revealed: 1000 - 2/10 * 1000.
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (-800)"));
        QVERIFY(h.clock.isRunning(TimerId::tmrScore));
        QVERIFY(h.clock.isRunning(TimerId::tmrSound3));
        QVERIFY(!h.controls().frmeAnsVisible);
    }

    void afterAWrongAnswerNeitherLettersNorASecondAnswerCanWin()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.answer(U"TITANIC");
        const std::int32_t score = h.round().Score;
        h.type(U"!");
        QVERIFY(!h.controls().frmeAnsVisible);
        h.revealAll();
        QCOMPARE(h.round().RevealedCount, 0);
        QCOMPARE(h.round().Score, score);
        h.clock.advance(200);
        QVERIFY(h.controls().lblWordsVisible);
        QVERIFY(!h.controls().figure.prt8Visible);
    }

    void aWrongAnswerAtSevenStrikesStillCostsThePenalty()
    {
        GameHarness h;
        h.startRound(U"TOY STORY 3");
        h.revealAll();
        h.clock.runUntilStopped(TimerId::tmrScore, 100000);
        const std::int32_t before = h.round().Score;
        QVERIFY(before > 0);
        h.startRound(U"EL PADRINO");
        h.miss(7);
        h.answer(U"X");
        // Nothing revealed of ten cells: a penalty of 900.
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (-900)"));
        QCOMPARE(h.round().Score, std::max(before - 900, 0));
    }

    void anEmptyAnswerConfirmedIsAWrongAnswer()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"!");
        h.game.txtWord_KeyPress(kKeyEnter);
        QCOMPARE(h.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(qtText(h.dialogs.shown[0].text), qtText(kConfirm));
        QCOMPARE(h.controls().filledStrikeBoxes(), 8);
        QVERIFY(!h.round().GameActive);
    }

    void anAnswerWithDoubleOrTrailingSpacesIsWrong()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.answer(U"EL PADRINO ");
        QCOMPARE(h.controls().filledStrikeBoxes(), 8);
    }

    void anAnswerTypedBeforeANewRoundIsJudgedAgainstTheNewTitle()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"!");
        h.typeInAnswerBox(U"NUEVE REINAS");
        h.startRound(U"NUEVE REINAS");
        h.game.txtWord_KeyPress(kKeyEnter);
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (+1100)"));
    }
};

QTEST_APPLESS_MAIN(AnswerBoxTest)
#include "AnswerBoxTest.moc"
