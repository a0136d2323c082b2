// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHarness.h"
#include "painting/QtText.h"

#include <QTest>

using namespace velmora;

class LetterGuessTest : public QObject {
    Q_OBJECT

private slots:
    void lowerAndUpperCaseAreTheSameGuessSoTheSecondIsARepeat()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"a");
        QCOMPARE(h.round().RevealedCount, 1);
        h.type(U"A");
        QCOMPARE(h.round().RevealedCount, 1);
        QCOMPARE(qtText(h.controls().txtAlfa), QStringLiteral("A"));
        for (const StrikeBox& box : h.controls().lblStrike)
            QCOMPARE(box.BackColor, BoxColour::Yellow);
        QVERIFY(!h.round().RepeatFlag);
    }

    void enyeInEitherCaseGuessesTheTitlesEnye()
    {
        GameHarness h;
        h.startRound(U"EL SEÑOR DE LOS ANILLOS");
        h.game.Form_KeyPress(241); // ñ
        QCOMPARE(h.round().RevealedCount, 1);
        QVERIFY(h.controls().lblLetter[5].LetterVisible);
        h.game.Form_KeyPress(209); // Ñ
        QCOMPARE(h.round().RevealedCount, 1);
        QCOMPARE(qtText(h.controls().txtAlfa), QStringLiteral("Ñ"));
    }

    void aRepeatedMissChangesNoCountAndFillsNoBox()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"Z");
        const RoundState before = h.round();
        const int filled = h.controls().filledStrikeBoxes();
        h.type(U"z");
        QCOMPARE(h.round().MissCount, before.MissCount);
        QCOMPARE(h.controls().filledStrikeBoxes(), filled);
        QCOMPARE(qtText(h.controls().txtAlfa), QStringLiteral("Z"));
    }

    void aLetterOccurringThreeTimesRevealsThreeCellsInOneGuess()
    {
        GameHarness h;
        const std::u32string title = findTitle([](std::u32string_view t) {
            return std::count(t.begin(), t.end(), U'A') == 3;
        });
        h.startRound(title);
        h.type(U"A");
        QCOMPARE(h.round().RevealedCount, 3);
        int shown = 0;
        for (const BoardCell& cell : h.controls().lblLetter)
            shown += cell.LetterVisible ? 1 : 0;
        QCOMPARE(shown, 3);
        for (const StrikeBox& box : h.controls().lblStrike)
            QCOMPARE(box.BackColor, BoxColour::BrightGreen);
    }

    void aDigitIsAGuessLikeALetter()
    {
        GameHarness h;
        h.startRound(U"CELDA 211");
        h.type(U"1");
        QCOMPARE(h.round().RevealedCount, 2);
        h.type(U"7");
        QCOMPARE(qtText(h.controls().lblStrike[0].Caption), QStringLiteral("7"));
    }

    void controlKeysSpaceAndPunctuationAreNeverGuesses_data()
    {
        QTest::addColumn<int>("key");
        for (int key : std::initializer_list<int>{8, 9, 13, 27, 32, '"', '#', '-', '.', '/', ':', '?', '@', '[', '_', '`', '{', '~', 127,
                        0xA1, 0xBF, 0xE7, 0xF7, 0xFF, -1, 256})
            QTest::newRow(qPrintable(QString::number(key))) << key;
    }

    void controlKeysSpaceAndPunctuationAreNeverGuesses()
    {
        QFETCH(int, key);
        GameHarness h;
        h.startRound(U"EL PADRINO");
        const WindowControls before = h.controls();
        const RoundState round = h.round();
        h.game.Form_KeyPress(key);
        QVERIFY(h.controls() == before);
        QCOMPARE(h.round().MissCount, round.MissCount);
        QVERIFY(!h.clock.isRunning(TimerId::tmrStrike));
    }

    void anAccentedVowelGuessesItsPlainVowel_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("vowel");
        QTest::newRow("á") << 0xE1 << "A";
        QTest::newRow("Á") << 0xC1 << "A";
        QTest::newRow("é") << 0xE9 << "E";
        QTest::newRow("É") << 0xC9 << "E";
        QTest::newRow("í") << 0xED << "I";
        QTest::newRow("Í") << 0xCD << "I";
        QTest::newRow("ó") << 0xF3 << "O";
        QTest::newRow("Ó") << 0xD3 << "O";
        QTest::newRow("ú") << 0xFA << "U";
        QTest::newRow("ü") << 0xFC << "U";
        QTest::newRow("Ü") << 0xDC << "U";
        QTest::newRow("à") << 0xE0 << "A";
        QTest::newRow("Ê") << 0xCA << "E";
        QTest::newRow("ï") << 0xEF << "I";
    }

    void anAccentedVowelGuessesItsPlainVowel()
    {
        QFETCH(int, key);
        QFETCH(QString, vowel);
        GameHarness h;
        h.startRound(U"LA VIDA ES BELLA");
        h.game.Form_KeyPress(key);
        QCOMPARE(qtText(h.controls().txtAlfa), vowel);
    }

    void allThreeKeyHandlersShareOneRoutine()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.game.Form_KeyPress('e');
        h.game.cmdGame_KeyPress('l');
        h.game.cmdVoz_KeyPress('p');
        QCOMPARE(qtText(h.controls().txtAlfa), QStringLiteral("ELP"));
        QCOMPARE(h.round().RevealedCount, 3);
    }

    void aMissIsRecordedAsUsedAndFillsTheNextBox()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"ZX");
        QCOMPARE(h.round().HitFlag, 0);
        QCOMPARE(qtText(h.controls().txtAlfa), QStringLiteral("ZX"));
        QCOMPARE(qtText(h.controls().lblStrike[0].Caption), QStringLiteral("Z"));
        QCOMPARE(qtText(h.controls().lblStrike[1].Caption), QStringLiteral("X"));
        QCOMPARE(h.round().MissCount, 2);
    }

    void theAnswerKeyOpensTheBoxAndMovesTheFocusIntoIt()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"!");
        QVERIFY(h.controls().frmeAnsVisible);
        QCOMPARE(h.focus.moves.back(), FocusTarget::txtWord);
    }

    void withTheBoxOpenALetterKeyJudgesThePhraseInstead()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"!");
        h.typeInAnswerBox(U"el padrino");
        h.dialogs.answers.push_back(MessageAnswer::No);
        h.game.cmdVoz_KeyPress('e');
        QVERIFY(h.controls().txtAlfa.empty());
        QCOMPARE(h.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(h.dialogs.shown[0].icon, MessageIcon::Question);
        QCOMPARE(qtText(h.controls().txtWord), QStringLiteral("EL PADRINO"));
        QVERIFY(h.controls().frmeAnsVisible);
    }

    void theGuessThatRevealsTheLastCellWinsAndTheBoxesStayGreen()
    {
        GameHarness h;
        h.startRound(U"300");
        h.type(U"3");
        QVERIFY(h.clock.isRunning(TimerId::tmrStrike));
        h.clock.advance(400);
        QVERIFY(!h.clock.isRunning(TimerId::tmrStrike));
        h.type(U"0");
        QVERIFY(!h.round().GameActive);
        QCOMPARE(h.round().RevealedCount, 3);
        QVERIFY(!h.clock.isRunning(TimerId::tmrStrike));
        h.clock.advance(5000);
        for (const StrikeBox& box : h.controls().lblStrike)
            QCOMPARE(box.BackColor, BoxColour::Green);
    }
};

QTEST_APPLESS_MAIN(LetterGuessTest)
#include "LetterGuessTest.moc"
