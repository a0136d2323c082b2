// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHarness.h"
#include "painting/QtText.h"

#include <QTest>

using namespace velmora;

namespace {

Figure standing()
{
    Figure figure;
    figure.resetStandingPose();
    return figure;
}

} // namespace

class FigureTest : public QObject {
    Q_OBJECT

private slots:
    void beforeTheFirstRoundOnlyTheSupportShows()
    {
        GameHarness h;
        h.clock.advance(1000);
        QVERIFY(h.controls().figure == standing());
        QVERIFY(h.controls().figure.prt8Visible);
    }

    void eachStrikeAddsItsPartOnTheNextTick()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        const Figure& f = h.controls().figure;
        h.miss(1);
        QVERIFY(!f.prt1.Visible);
        h.clock.advance(100);
        QVERIFY(f.prt1.Visible && f.prt7.Visible && f.LnSoga2.Visible);
        QCOMPARE(qtText(f.prt7.Caption), QStringLiteral("- -"));
        const FigureLine* parts[] = {&f.prt2, &f.prt3, &f.prt4, &f.prt5, &f.prt6};
        for (int strike = 2; strike <= 6; ++strike) {
            QVERIFY(!parts[strike - 2]->Visible);
            h.type(std::u32string(1, h.lettersNotInTitle()[static_cast<std::size_t>(strike - 1)]));
            h.clock.advance(100);
            QVERIFY(parts[strike - 2]->Visible);
        }
        QVERIFY(!f.Line4.Visible);
        h.miss(7);
        h.clock.advance(100);
        QCOMPARE(qtText(f.prt7.Caption), QStringLiteral("o o"));
        QVERIFY(f.Line4.Visible && f.Line5.Visible && f.Line6.Visible);
        QVERIFY(f.prt8Visible);
    }

    void theEighthStrikeHangsTheFigureAndFreezesIt()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.miss(8);
        h.clock.advance(100);
        const Figure& f = h.controls().figure;
        QVERIFY(!f.prt8Visible);
        QCOMPARE(f.prt1.Top, 720);
        QCOMPARE(f.LnSoga2.Y1, 1320);
        QCOMPARE(f.prt2.Y2, 2160);
        QCOMPARE(f.prt3.Y2, 2280);
        QCOMPARE(f.prt3.X2, 1440);
        QCOMPARE(f.prt4.X2, 1920);
        QCOMPARE(f.prt5.Y2, 3360);
        QCOMPARE(f.prt6.Y1, 2160);
        QCOMPARE(f.prt7.Top, 900);
        QCOMPARE(qtText(f.prt7.Caption), QStringLiteral("x x"));
        QVERIFY(!f.Line4.Visible && !f.Line5.Visible && !f.Line6.Visible);
        QVERIFY(f.prt1.Visible && f.prt2.Visible && f.prt6.Visible);
        const Figure hanged = f;
        h.clock.advance(1000);
        QVERIFY(h.controls().figure == hanged);
    }

    void aWrongAnswerHangsTheWholeFigureInOneTick()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.answer(U"OTRA");
        h.clock.advance(100);
        const Figure& f = h.controls().figure;
        QVERIFY(f.prt1.Visible && f.prt2.Visible && f.prt3.Visible && f.prt4.Visible && f.prt5.Visible &&
                f.prt6.Visible && f.prt7.Visible);
        QVERIFY(!f.prt8Visible);
        QCOMPARE(qtText(f.prt7.Caption), QStringLiteral("x x"));
        QVERIFY(!f.Line4.Visible);
    }

    void aRightAnswerHidesThePartsOnTheNextTick()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.miss(3);
        h.clock.advance(100);
        h.answer(U"EL PADRINO");
        h.clock.advance(100);
        QVERIFY(h.controls().figure == standing());
    }

    void aWinAtSevenStrikesCalmsTheEyesUntilTheNextTick()
    {
        GameHarness h;
        h.startRound(U"300");
        h.miss(7);
        h.clock.advance(100);
        h.type(U"30");
        const Figure& f = h.controls().figure;
        QCOMPARE(qtText(f.prt7.Caption), QStringLiteral("- -"));
        QVERIFY(!f.Line4.Visible);
        h.clock.advance(100);
        QCOMPARE(qtText(f.prt7.Caption), QStringLiteral("o o"));
        QVERIFY(f.Line4.Visible);
    }

    void aNewRoundStandsTheFigureUpAndRestartsTheFollower()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.miss(8);
        h.clock.advance(100);
        QVERIFY(!h.clock.isRunning(TimerId::tmrHanged));
        h.startRound(U"NUEVE REINAS");
        QVERIFY(h.clock.isRunning(TimerId::tmrHanged));
        QVERIFY(h.controls().figure == standing());
        QVERIFY(!h.controls().lblWordsVisible);
        for (const StrikeBox& box : h.controls().lblStrike)
            QCOMPARE(box.BackColor, BoxColour::White);
    }
};

QTEST_APPLESS_MAIN(FigureTest)
#include "FigureTest.moc"
