// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHarness.h"

#include <QTest>

#include <limits>
#include <random>

using namespace velmora;

namespace {

// Checks what must hold after any event, whatever the player did.
QString brokenInvariant(const GameHarness& h)
{
    const WindowControls& c = h.controls();
    const RoundState& r = h.round();
    bool emptySeen = false;
    for (const StrikeBox& box : c.lblStrike) {
        if (box.Caption == 0)
            emptySeen = true;
        else if (emptySeen)
            return QStringLiteral("a strike box is filled after an empty one");
    }
    if (r.RevealedCount > r.LettersLeft)
        return QStringLiteral("more cells revealed than the title has letters");
    if (r.Score < 0 || r.ShownScore < 0)
        return QStringLiteral("negative score");
    for (const BoardCell& cell : c.lblLetter) {
        if (cell.LetterVisible && !cell.LineVisible)
            return QStringLiteral("a revealed cell holds no letter");
    }
    if (c.frmeAnsVisible && !r.GameActive)
        return QStringLiteral("the answer box is open outside a round");
    if (c.txtWord.size() > kAnswerMaxLength)
        return QStringLiteral("the answer box holds more than 42 characters");
    if (!c.cmdGameEnabled && !h.clock.isRunning(TimerId::tmrScore))
        return QStringLiteral("the play button is disabled with no score counting");
    if (r.MissCount < 0 || r.MissCount > std::numeric_limits<std::int16_t>::max())
        return QStringLiteral("the miss count left its 16 bits");
    return {};
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void aHundredThousandRandomEventsNeverBreakTheRules()
    {
        GameHarness h;
        std::mt19937 random(20261209);
        const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const std::u32string pasted = U"abcñÑáé!? 19xyz";

        int rounds = 0;
        for (int event = 0; event < 100000; ++event) {
            const int kind = pick(16);
            const int key = pick(256);
            switch (kind) {
            case 0: case 1: case 2: h.game.Form_KeyPress(key); break;
            case 3: h.game.cmdGame_KeyPress(key); break;
            case 4: h.game.cmdVoz_KeyPress(key); break;
            case 5:
                if (h.controls().frmeAnsVisible) {
                    const int taken = h.game.txtWord_KeyPress(pick(4) == 0 ? '\r' : key);
                    if (taken > 0 && taken != '\r' && taken != '\b' && h.controls().frmeAnsVisible)
                        h.game.txtWord_Change(h.controls().txtWord + static_cast<char32_t>(taken));
                }
                break;
            case 6:
                if (h.controls().frmeAnsVisible)
                    h.game.txtWord_Change(h.controls().txtWord + pasted[static_cast<std::size_t>(pick(15))]);
                break;
            case 7:
                if (h.controls().frmeAnsVisible)
                    pick(2) ? h.game.txtWord_DblClick() : h.game.cmdCancel_Click();
                break;
            case 8:
                if (pick(20) == 0 && h.controls().cmdGameEnabled) {
                    h.game.cmdGame_Click();
                    ++rounds;
                }
                break;
            case 9:
                if (pick(20) == 0 && h.controls().mnuMenuNewEnabled)
                    h.game.mnuMenuNew_Click();
                break;
            case 10: pick(2) ? h.game.cmdVoz_Click() : h.game.mnuSounds_Click(); break;
            case 11: pick(2) ? h.game.cmdGame_MouseMove() : h.game.Form_MouseMove(); break;
            case 12: h.dialogs.answers.push_back(pick(2) ? MessageAnswer::Yes : MessageAnswer::No); break;
            case 13:
                // Where the titles come from: now and then the players' own.
                if (pick(10) == 0) {
                    switch (pick(3)) {
                    case 0: h.game.useTitleList(TitleList(U"lista.txt", {std::u32string(42, U'Ñ'), U"UNO 2"})); break;
                    case 1: h.game.useCatalogue(); break;
                    default: h.game.playTitle(pasted.substr(static_cast<std::size_t>(pick(15)))); break;
                    }
                }
                break;
            default: h.clock.advance(pick(500) + 1); break;
            }
            // Between rounds nothing happens until the player starts one.
            if (!h.round().GameActive && h.controls().cmdGameEnabled && pick(50) == 0) {
                h.game.cmdGame_Click();
                ++rounds;
            }
            // A follower's second tick in a row changes nothing, which lets
            // the window rest its timer until something changes.
            for (TimerId id : kAllTimers) {
                if (isFollower(id) && h.game.timerEnabled(id)) {
                    h.game.onTimer(id);
                    const WindowControls controls = h.controls();
                    const RoundState round = h.round();
                    h.game.onTimer(id);
                    QVERIFY2(h.controls() == controls && h.round() == round,
                             qPrintable(QStringLiteral("event %1: a repeated follower tick changed the state").arg(event)));
                }
            }
            const QString broken = brokenInvariant(h);
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("event %1: %2").arg(event).arg(broken)));
        }
        QVERIFY(rounds > 100);
        QVERIFY(!h.sound.played.empty());
    }
};

QTEST_APPLESS_MAIN(SoakTest)
#include "SoakTest.moc"
