// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHarness.h"
#include "Scoring.h"
#include "painting/QtText.h"

#include <QTest>

#include <limits>

using namespace velmora;

namespace {

void expectColour(const WindowControls& controls, BoxColour colour)
{
    for (const StrikeBox& box : controls.lblStrike)
        QCOMPARE(box.BackColor, colour);
}

} // namespace

class StrikesScoreTest : public QObject {
    Q_OBJECT

private slots:
    void theExamplePointsAndPenaltiesComeOutExactly()
    {
        QCOMPARE(lossPenalty(3, 10), std::int16_t{600});
        QCOMPARE(lossPenalty(0, 7), std::int16_t{857});
        QCOMPARE(lossPenalty(2, 16), std::int16_t{812}); // 812.5 rounds to even
        QCOMPARE(lossPenalty(9, 10), std::int16_t{0});
        QCOMPARE(winPoints(9, 2), std::int16_t{300});
        QCOMPARE(winPoints(5, 7), std::int16_t{62}); // 62.5 rounds to even
        QCOMPARE(winPoints(13, 0), std::int16_t{1300});
        QCOMPARE(winPoints(41, std::numeric_limits<std::int16_t>::max()), std::int16_t{0});
    }

    void theScoreStopsAtTheTopOfItsRangeInsteadOfWrapping()
    {
        constexpr auto top = std::numeric_limits<std::int32_t>::max();
        QCOMPARE(addPoints(top - 10, 4100), top);
        QCOMPARE(addPoints(top, 1), top);
        QCOMPARE(addPoints(500, 62), 562);
    }

    void aMissFillsTheNextBoxFlashesRedAndStartsTheStrikeCue()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.miss(3);
        h.clock.advance(400);
        h.miss(4);
        const std::u32string letters = h.lettersNotInTitle();
        QCOMPARE(qtText(h.controls().lblStrike[3].Caption), qtText(letters[3]));
        expectColour(h.controls(), BoxColour::Red);
        QCOMPARE(h.round().MissCount, 4);
        QVERIFY(h.clock.isRunning(TimerId::tmrSound4));
        h.clock.advance(400);
        expectColour(h.controls(), BoxColour::White);
    }

    void theSeventhMissStartsTheWarningCueInstead()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.miss(6);
        h.clock.advance(1000);
        h.miss(7);
        QVERIFY(h.clock.isRunning(TimerId::tmrSound1));
        QVERIFY(!h.clock.isRunning(TimerId::tmrSound4));
    }

    void aHitThatDoesNotCompleteFlashesGreenForOneStrikeTick()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.clock.advance(50);
        h.type(U"E");
        expectColour(h.controls(), BoxColour::BrightGreen);
        QCOMPARE(h.round().MissCount, 0);
        QCOMPARE(h.controls().filledStrikeBoxes(), 0);
        h.clock.advance(399);
        expectColour(h.controls(), BoxColour::BrightGreen);
        h.clock.advance(1);
        expectColour(h.controls(), BoxColour::White);
    }

    void flashesShareOneTimerSoOneTickEndsThemAll()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"Z"); // red, the strike timer starts now
        h.clock.advance(300);
        h.type(U"Z"); // yellow replaces red, the same tick still ends it
        expectColour(h.controls(), BoxColour::Yellow);
        h.clock.advance(100);
        expectColour(h.controls(), BoxColour::White);
        QVERIFY(!h.clock.isRunning(TimerId::tmrStrike));
    }

    void theEighthMissLosesTheRoundAndTheFigureHangsOnTheNextTick()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.miss(7);
        h.clock.advance(400);
        h.type(h.lettersNotInTitle().substr(7, 1));
        QVERIFY(!h.round().GameActive);
        QCOMPARE(h.controls().filledStrikeBoxes(), 8);
        QVERIFY(h.clock.isRunning(TimerId::tmrSound3));
        QVERIFY(!h.clock.isRunning(TimerId::tmrStrike));
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (-900)"));
        expectColour(h.controls(), BoxColour::White);
        h.clock.advance(100);
        expectColour(h.controls(), BoxColour::DarkRed);
        QVERIFY(h.controls().lblWordsVisible);
        QVERIFY(!h.clock.isRunning(TimerId::tmrHanged));
        h.type(U"E!");
        QCOMPARE(h.round().RevealedCount, 0);
        QVERIFY(!h.controls().frmeAnsVisible);
    }

    void aWinAddsThePointsAndTheScoreCountsUpOnePointPerTick()
    {
        GameHarness h;
        const std::u32string title =
            findTitle([](std::u32string_view t) { return lettersOf(t) == 9 && t.find(U'Z') == t.npos && t.find(U'X') == t.npos; });
        h.startRound(title);
        h.type(U"ZX");
        h.revealAll();
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (+300)"));
        QCOMPARE(h.round().Score, 300);
        QCOMPARE(h.round().ShownScore, 0);
        expectColour(h.controls(), BoxColour::Green);
        QVERIFY(h.clock.isRunning(TimerId::tmrSound5));

        h.clock.advance(1);
        QCOMPARE(qtText(h.controls().lblScoreCaption), QStringLiteral("1"));
        QVERIFY(!h.controls().cmdGameEnabled);
        h.clock.advance(149);
        QCOMPARE(qtText(h.controls().lblScoreCaption), QStringLiteral("150"));
        QVERIFY(h.clock.runUntilStopped(TimerId::tmrScore, 1000));
        QCOMPARE(qtText(h.controls().lblScoreCaption), QStringLiteral("300"));
        QVERIFY(h.controls().cmdGameEnabled);
        QCOMPARE(h.focus.moves.back(), FocusTarget::cmdGame);
        QCOMPARE(h.round().MissCount, 0);
    }

    void aLossCountsTheScoreDownAndNeverBelowZero()
    {
        GameHarness h;
        const std::u32string five = findTitle([](std::u32string_view t) { return t.size() == 5 && lettersOf(t) == 5; });
        h.startRound(five);
        h.revealAll();
        h.clock.runUntilStopped(TimerId::tmrScore, 10000);
        QCOMPARE(h.round().Score, 500);

        const std::u32string ten = findTitle([](std::u32string_view t) { return t.size() == 10; });
        h.startRound(ten);
        // Three cells revealed by letters that each occur once.
        int revealed = 0;
        for (char32_t c : ten) {
            if (revealed < 3 && c != U' ' && std::count(ten.begin(), ten.end(), c) == 1) {
                h.type(std::u32string(1, c));
                ++revealed;
            }
        }
        QCOMPARE(h.round().RevealedCount, 3);
        h.miss(8);
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (-600)"));
        QCOMPARE(h.round().Score, 0);
        h.clock.advance(1);
        QCOMPARE(qtText(h.controls().lblScoreCaption), QStringLiteral("499"));
        QVERIFY(h.clock.runUntilStopped(TimerId::tmrScore, 1000));
        QCOMPARE(qtText(h.controls().lblScoreCaption), QStringLiteral("0"));
    }

    void missesOfAnAbandonedRoundCountInTheNextWin()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.miss(3);
        h.startRound(U"300");
        h.type(U"30");
        // Three letters after three misses: 300 / 4 = 75.
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (+75)"));
    }

    void aNewRoundDuringTheCountFinishesItFirst()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.miss(2);
        h.revealAll();
        h.clock.advance(10);
        QVERIFY(!h.controls().cmdGameEnabled);
        const std::int32_t score = h.round().Score;

        h.game.mnuMenuNew_Click();
        QVERIFY(h.controls().cmdGameEnabled);
        QCOMPARE(h.round().ShownScore, score);
        QCOMPARE(qtText(h.controls().lblScoreCaption), QString::number(score));
        QCOMPARE(h.round().MissCount, 0);
        QVERIFY(!h.clock.isRunning(TimerId::tmrScore));

        // Nothing of the old count can reach into the new round.
        h.miss(1);
        h.clock.advance(5000);
        QCOMPARE(h.round().MissCount, 1);
        QVERIFY(h.controls().cmdGameEnabled);
    }

    void aRoundWithPenaltyZeroFinishesTheCountAtOnce()
    {
        GameHarness h;
        const std::u32string title = findTitle([](std::u32string_view t) {
            return t.size() <= 6 && t.find(U' ') == t.npos &&
                   std::all_of(t.begin(), t.end(), [&](char32_t c) { return std::count(t.begin(), t.end(), c) == 1; });
        });
        h.startRound(title);
        h.type(title.substr(0, title.size() - 1));
        h.miss(8);
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (-0)"));
        h.clock.advance(1);
        QVERIFY(!h.clock.isRunning(TimerId::tmrScore));
    }

    void theColoursOfARoundsEndStayUntilTheNextRound()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.miss(7);
        h.clock.advance(100); // the seventh miss's red flash is still pending
        h.type(h.lettersNotInTitle().substr(7, 1));
        h.clock.advance(1000);
        expectColour(h.controls(), BoxColour::DarkRed);

        h.startRound(U"300");
        expectColour(h.controls(), BoxColour::White);
        h.type(U"3"); // the hit's green flash is still pending at the win
        h.clock.advance(100);
        h.type(U"0");
        h.clock.advance(1000);
        expectColour(h.controls(), BoxColour::Green);
    }
};

QTEST_APPLESS_MAIN(StrikesScoreTest)
#include "StrikesScoreTest.moc"
