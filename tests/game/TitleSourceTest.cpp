// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHarness.h"
#include "painting/QtText.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace velmora;

namespace {

TitleList list(std::vector<std::u32string> titles)
{
    return TitleList(U"mis-pelis.txt", std::move(titles));
}

// The same state with the caption and the title-source items of the menu
// left aside.
WindowControls withoutSource(WindowControls controls)
{
    controls.Caption.clear();
    controls.mnuVelmoraTitlesChecked = true;
    controls.mnuOwnTitlesChecked = false;
    return controls;
}

} // namespace

class TitleSourceTest : public QObject {
    Q_OBJECT

private slots:
    void aRoundOnAListTitlePlaysExactlyAsARoundOnTheSameCatalogueTitle()
    {
        // EL PADRINO is both the catalogue's first title and the list's only
        // one: every step of the two rounds must leave the same state.
        GameHarness catalogue;
        GameHarness own;
        own.game.useTitleList(list({U"EL PADRINO"}));
        catalogue.startRound(U"EL PADRINO");
        own.game.cmdGame_Click();
        const auto same = [&] {
            QVERIFY(own.round() == catalogue.round());
            QVERIFY(withoutSource(own.controls()) == withoutSource(catalogue.controls()));
            for (TimerId id : kAllTimers)
                QCOMPARE(own.clock.isRunning(id), catalogue.clock.isRunning(id));
        };
        same();
        QCOMPARE(own.sound.played, catalogue.sound.played);
        for (std::u32string_view keys : {U"E", U"Z", U"E", U"LPADRINO"}) {
            own.type(keys);
            catalogue.type(keys);
            own.clock.advance(250);
            catalogue.clock.advance(250);
            same();
        }
        own.clock.runUntilStopped(TimerId::tmrScore, 10000);
        catalogue.clock.runUntilStopped(TimerId::tmrScore, 10000);
        same();
        QCOMPARE(own.sound.played, catalogue.sound.played);
        QCOMPARE(qtText(catalogue.controls().Caption), QStringLiteral("VELMORA (+450)"));
        QCOMPARE(qtText(own.controls().Caption), QStringLiteral("VELMORA — mis-pelis.txt (+450)"));
    }

    void theCaptionNamesTheListInUseAndKeepsTheRoundsTexts()
    {
        GameHarness h;
        h.game.useTitleList(list({U"TOKIO 2020", U"LA COLMENA"}));
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA — mis-pelis.txt (NUEVO)"));
        QVERIFY(h.controls().mnuOwnTitlesChecked && !h.controls().mnuVelmoraTitlesChecked);
        QVERIFY(!h.round().GameActive);

        h.game.cmdGame_Click();
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA — mis-pelis.txt"));
        h.miss(8);
        QVERIFY(!h.round().GameActive);
        QVERIFY(qtText(h.controls().Caption).startsWith(QStringLiteral("VELMORA — mis-pelis.txt (-")));
        const QString penalty = qtText(h.controls().Caption).mid(23);

        // Going back to the catalogue keeps the last round's penalty shown.
        h.game.useCatalogue();
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA") + penalty);
        QVERIFY(!h.controls().mnuOwnTitlesChecked && h.controls().mnuVelmoraTitlesChecked);
    }

    void choosingTitlesInTheMiddleOfARoundLetsTheRoundGoOn()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"EZ");
        const RoundState round = h.round();
        h.game.useTitleList(list({U"LA COLMENA"}));
        QVERIFY(h.round() == round);
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA — mis-pelis.txt"));
        h.type(U"LPADRINO");
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA — mis-pelis.txt (+450)"));
        h.game.cmdGame_Click();
        QCOMPARE(qtText(h.round().CurrentTitle), QStringLiteral("LA COLMENA"));
    }

    void roundsDrawOnlyFromTheListAndNeverTheSameTitleTwiceInARow()
    {
        GameHarness h;
        const std::vector<std::u32string> titles{U"TOKIO 2020", U"LA COLMENA", U"EL VERDUGO"};
        h.game.useTitleList(list(titles));
        std::set<std::u32string> seen;
        std::u32string last;
        for (int round = 0; round < 300; ++round) {
            h.game.cmdGame_Click();
            const std::u32string& title = h.round().CurrentTitle;
            QVERIFY(std::find(titles.begin(), titles.end(), title) != titles.end());
            QVERIFY(title != last);
            QCOMPARE(h.round().LettersLeft, lettersOf(title));
            seen.insert(title);
            last = title;
        }
        QCOMPARE(seen.size(), titles.size());
    }

    void velmorasTitlesComeBackWithTheirOwnDraw()
    {
        GameHarness h;
        h.game.useTitleList(list({U"LA COLMENA"}));
        h.game.useCatalogue();
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (NUEVO)"));
        h.startRound(U"NUEVE REINAS");
        QCOMPARE(qtText(h.round().CurrentTitle), QStringLiteral("NUEVE REINAS"));
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA"));
        QVERIFY(h.game.titleList() == nullptr);
    }

    void aRoundBetweenTwoStartsOnTheTypedTitleAsThePlayButtonWould()
    {
        GameHarness h;
        h.game.playTitle(U"¿La vida, en 3 actos?");
        QVERIFY(h.round().GameActive);
        QCOMPARE(qtText(h.round().CurrentTitle), QStringLiteral("LA VIDA EN 3 ACTOS"));
        QCOMPARE(h.round().TitleLength, 18);
        QCOMPARE(h.round().LettersLeft, 14);
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA"));
        QCOMPARE(qtText(h.controls().cmdGameCaption), QStringLiteral("NUEVO"));
        QVERIFY(h.controls().mnuMenuNewEnabled);
        QVERIFY(h.clock.isRunning(TimerId::tmrSound2));
        QVERIFY(h.controls().lblLetter[0].LineVisible);
        QVERIFY(!h.controls().lblLetter[2].LineVisible);
        QCOMPARE(qtText(h.controls().lblLetter[11].Caption), QStringLiteral("3"));

        // The whole-title answer is judged against the typed title.
        h.answer(U"la vida en 3 actos");
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA (+1400)"));

        // The next round draws from the catalogue again.
        h.clock.runUntilStopped(TimerId::tmrScore, 60000);
        h.startRound(U"NUEVE REINAS");
        QCOMPARE(qtText(h.round().CurrentTitle), QStringLiteral("NUEVE REINAS"));
    }

    void aRoundBetweenTwoAbandonsTheRoundInProgressAndKeepsTheList()
    {
        GameHarness h;
        h.game.useTitleList(list({U"LA COLMENA"}));
        h.game.cmdGame_Click();
        h.miss(2);
        h.game.playTitle(U"Tiburón");
        QCOMPARE(qtText(h.round().CurrentTitle), QStringLiteral("TIBURON"));
        QCOMPARE(h.controls().filledStrikeBoxes(), 0);
        QCOMPARE(h.round().MissCount, 2);
        QCOMPARE(qtText(h.controls().Caption), QStringLiteral("VELMORA — mis-pelis.txt"));
        h.miss(8);
        QCOMPARE(qtText(h.controls().lblWordsCaption), QStringLiteral("R: TIBURON"));
        h.game.cmdGame_Click();
        QCOMPARE(qtText(h.round().CurrentTitle), QStringLiteral("LA COLMENA"));
    }

    void aTitleTheRuleRefusesStartsNothing()
    {
        GameHarness h;
        h.startRound(U"EL PADRINO");
        h.type(U"E");
        const WindowControls controls = h.controls();
        const RoundState round = h.round();
        for (std::u32string_view typed : {U"", U"¿?", U"Жизнь", U"Las aventuras del capitán Trueno y sus amigos"}) {
            h.game.playTitle(typed);
            QVERIFY(h.controls() == controls);
            QVERIFY(h.round() == round);
        }
    }
};

QTEST_GUILESS_MAIN(TitleSourceTest)
#include "TitleSourceTest.moc"
