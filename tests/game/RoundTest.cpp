// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntropyRandom.h"
#include "GameHarness.h"
#include "TitleTable.h"
#include "painting/QtText.h"

#include <QTest>

#include <map>

using namespace velmora;

class RoundTest : public QObject {
    Q_OBJECT

private slots:
    void afterLoadingNoRoundIsActiveAndTheBoardIsEmpty()
    {
        GameHarness h;
        const WindowControls& c = h.controls();
        QVERIFY(!h.round().GameActive);
        QVERIFY(h.round().SoundOn);
        QCOMPARE(qtText(c.Caption), QStringLiteral("VELMORA (NUEVO)"));
        QCOMPARE(qtText(c.cmdGameCaption), QStringLiteral("JUGAR"));
        QVERIFY(c.cmdGameEnabled);
        QVERIFY(!c.mnuMenuNewEnabled);
        QVERIFY(c.mnuSoundsChecked);
        QVERIFY(!c.frmeAnsVisible);
        QVERIFY(!c.lblWordsVisible);
        QCOMPARE(qtText(c.lblScoreCaption), QStringLiteral("0"));
        for (const BoardCell& cell : c.lblLetter)
            QVERIFY(!cell.LetterVisible && !cell.LineVisible);
        for (const StrikeBox& box : c.lblStrike) {
            QCOMPARE(box.Caption, U'\0');
            QCOMPARE(box.BackColor, BoxColour::White);
        }
        QCOMPARE(h.game.catalogue().GroupCount, std::int16_t{25});
        QVERIFY(h.clock.isRunning(TimerId::tmrWord));
        QVERIFY(h.clock.isRunning(TimerId::tmrHanged));
        for (TimerId id : {TimerId::tmrStrike, TimerId::tmrScore, TimerId::tmrSound1, TimerId::tmrSound6})
            QVERIFY(!h.clock.isRunning(id));
    }

    void beforeTheFirstRoundKeysAndTheAnswerKeyDoNothing()
    {
        GameHarness h;
        const WindowControls before = h.controls();
        h.type(U"AE!1ñ");
        h.clock.advance(1000);
        QVERIFY(h.controls().lblWordsCaption == U"R: ");
        QVERIFY(!h.controls().frmeAnsVisible);
        QVERIFY(h.controls().txtAlfa.empty());
        QVERIFY(h.controls() == before);
        QVERIFY(h.focus.moves.empty());
    }

    void startingARoundSetsTheCaptionsTheMenuAndTheCounts()
    {
        GameHarness h;
        h.startRound(U"EL SEÑOR DE LOS ANILLOS");
        QVERIFY(h.round().GameActive);
        QCOMPARE(qtText(h.round().CurrentTitle), QStringLiteral("EL SEÑOR DE LOS ANILLOS"));
        QCOMPARE(h.round().TitleLength, 23);
        QCOMPARE(h.round().LettersLeft, 19);
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA"));
        QCOMPARE(qtText(h.controls().cmdGameCaption), QStringLiteral("NUEVO"));
        QVERIFY(h.controls().mnuMenuNewEnabled);
        QVERIFY(h.clock.isRunning(TimerId::tmrSound2));
    }

    void theBoardLeavesSpacesOpenAndWrapsRowsInTheMiddleOfAWord()
    {
        GameHarness h;
        const std::u32string title = findTitle([](std::u32string_view t) { return t.size() > 28; });
        h.startRound(title);
        const auto& cells = h.controls().lblLetter;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i < title.size()) {
                QCOMPARE(qtText(cells[i].Caption), qtText(title[i]));
                QCOMPARE(cells[i].LineVisible, title[i] != U' ');
            } else {
                QVERIFY(!cells[i].LineVisible);
            }
            QVERIFY(!cells[i].LetterVisible);
        }
        // Cell 15 starts the middle row and cell 29 the bottom one, whatever
        // word they fall in.
        QCOMPARE(qtText(cells[14].Caption), qtText(title[14]));
        QCOMPARE(qtText(cells[28].Caption), qtText(title[28]));
        QCOMPARE(qtText(h.controls().lblWordsCaption), QStringLiteral("R: ") + qtText(title));
    }

    void aTitleWithSpacesNeedsOnlyItsLettersRevealed()
    {
        GameHarness h;
        const std::u32string title = findTitle(
            [](std::u32string_view t) { return t.size() == 11 && std::count(t.begin(), t.end(), U' ') == 2; });
        h.startRound(title);
        QCOMPARE(h.round().LettersLeft, 9);
    }

    void aNewRoundClearsTheBoardBoxesAndFigureOfTheLastOne()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"E");
        h.miss(3);
        h.clock.advance(500);
        QVERIFY(h.controls().figure.prt1.Visible);
        h.startRound(U"NUEVE REINAS");
        const WindowControls& c = h.controls();
        QVERIFY(c.txtAlfa.empty());
        QCOMPARE(c.filledStrikeBoxes(), 0);
        QCOMPARE(h.round().RevealedCount, 0);
        QCOMPARE(h.round().HitFlag, 0);
        QCOMPARE(h.round().MissCount, 3);
        for (const BoardCell& cell : c.lblLetter)
            QVERIFY(!cell.LetterVisible);
        QVERIFY(c.figure == [] { Figure f; f.resetStandingPose(); return f; }());
    }

    void aLetterTypedAtTheVeryStartOfARoundFindsItsCells()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"E");
        QCOMPARE(h.round().RevealedCount, 1);
        QVERIFY(h.controls().lblLetter[0].LetterVisible);
        QCOMPARE(h.controls().filledStrikeBoxes(), 0);
    }

    void aNewRoundLeavesTheAnswerBoxOpenWithItsText()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"!");
        h.typeInAnswerBox(U"EL PADRINO");
        h.startRound(U"NUEVE REINAS");
        QVERIFY(h.controls().frmeAnsVisible);
        QCOMPARE(qtText(h.controls().txtWord), QStringLiteral("EL PADRINO"));
    }

    void theDrawReachesEveryGroupAndSlotWithEqualChances()
    {
        // 50,000 rounds with a fixed seed: every one of the 500 titles comes
        // up, and a chi-square test over the titles stays far below the
        // 0.1 % critical value of 499 degrees of freedom (about 603).
        GameHarness h;
        std::map<std::u32string, int> seen;
        constexpr int rounds = 50000;
        for (int i = 0; i < rounds; ++i) {
            h.game.cmdGame_Click();
            ++seen[h.round().CurrentTitle];
            QVERIFY(h.game.catalogue().GroupNumber >= 1 && h.game.catalogue().GroupNumber <= 25);
            QVERIFY(h.round().TitleIndex >= 0 && h.round().TitleIndex <= 19);
        }
        QCOMPARE(seen.size(), std::size_t{500});
        const double expected = rounds / 500.0;
        double chiSquare = 0;
        for (const auto& [title, count] : seen)
            chiSquare += (count - expected) * (count - expected) / expected;
        QVERIFY2(chiSquare < 603.0, qPrintable(QString::number(chiSquare)));
    }

    void theGameGeneratorDrawsInsideZeroToOne()
    {
        EntropyRandom random;
        double lowest = 1;
        double highest = 0;
        for (int i = 0; i < 100000; ++i) {
            const double r = random.uniform();
            QVERIFY(r >= 0.0 && r < 1.0);
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY(lowest < 0.001);
        QVERIFY(highest > 0.999);
    }

    void twoGeneratorsMadeAtTheSameMomentDrawDifferentSequences()
    {
        EntropyRandom first;
        EntropyRandom second;
        QVERIFY(first.uniform() != second.uniform() || first.uniform() != second.uniform());
    }
};

QTEST_APPLESS_MAIN(RoundTest)
#include "RoundTest.moc"
