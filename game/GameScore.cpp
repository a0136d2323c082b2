// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// Strikes, the two ends of a round, the flashes of the strike boxes and the
// counting score.
#include "Game.h"

#include "DecimalText.h"
#include "Scoring.h"

#include <algorithm>
#include <limits>

namespace velmora {

namespace {

constexpr int kMissCountLimit = std::numeric_limits<std::int16_t>::max();

} // namespace

void Game::Strikes()
{
    if (round_.HitFlag == 1) {
        startCue(TimerId::tmrSound6);
        setStrikeColour(BoxColour::BrightGreen);
        if (round_.RevealedCount != round_.LettersLeft)
            setTimer(TimerId::tmrStrike, true);
        return;
    }

    round_.MissCount = std::min(round_.MissCount + 1, kMissCountLimit);
    const auto freeBox = std::find_if(controls_.lblStrike.begin(), controls_.lblStrike.end(),
                                      [](const StrikeBox& box) { return box.Caption == 0; });
    if (freeBox == controls_.lblStrike.end())
        return;

    const auto box = freeBox - controls_.lblStrike.begin() + 1;
    if (box == kHangingStrike) {
        freeBox->Caption = round_.GuessChar;
        loseRound();
        return;
    }
    startCue(box == kFrightStrike ? TimerId::tmrSound1 : TimerId::tmrSound4);
    freeBox->Caption = round_.GuessChar;
    RedColor();
}

void Game::loseRound()
{
    startCue(TimerId::tmrSound3);
    cancelFlash();
    round_.GameActive = false;
    round_.ShownScore = round_.Score;
    const std::int16_t penalty = lossPenalty(round_.RevealedCount, round_.TitleLength);
    showCaption(U" (-" + decimalText(penalty) + U")");
    lastMove_.roundPoints = -penalty;
    round_.Score = std::max(round_.Score - penalty, 0);
    setTimer(TimerId::tmrScore, true);
}

void Game::WinButton()
{
    if (round_.RevealedCount != round_.LettersLeft)
        return;
    startCue(TimerId::tmrSound5);
    cancelFlash();
    setStrikeColour(BoxColour::Green);
    Figure& figure = controls_.figure;
    figure.prt7.Caption = U"- -";
    figure.Line4.Visible = false;
    figure.Line5.Visible = false;
    figure.Line6.Visible = false;
    round_.GameActive = false;
    round_.ShownScore = round_.Score;
    const std::int16_t points = winPoints(round_.RevealedCount, round_.MissCount);
    showCaption(U" (+" + decimalText(points) + U")");
    lastMove_.roundPoints = points;
    round_.Score = addPoints(round_.Score, points);
    setTimer(TimerId::tmrScore, true);
}

void Game::RedColor()
{
    setStrikeColour(BoxColour::Red);
    setTimer(TimerId::tmrStrike, true);
}

void Game::tmrStrike_Timer()
{
    setStrikeColour(BoxColour::White);
    setTimer(TimerId::tmrStrike, false);
}

void Game::cancelFlash()
{
    // The end of a round colours the boxes until the next round starts: green
    // at once for a win, dark red with the hanging. A flash still showing
    // from the last key must not turn them white afterwards.
    setTimer(TimerId::tmrStrike, false);
}

void Game::tmrScore_Timer()
{
    // The direction comes from how the round ended, not from comparing the
    // two numbers.
    const bool countingUp = round_.RevealedCount == round_.LettersLeft;
    if (round_.ShownScore == round_.Score) {
        finishScoreCount();
        return;
    }
    const bool behind = countingUp ? round_.ShownScore < round_.Score : round_.ShownScore > round_.Score;
    if (!behind)
        return;
    controls_.cmdGameEnabled = false;
    round_.ShownScore += countingUp ? 1 : -1;
    controls_.lblScoreCaption = decimalText(round_.ShownScore);
}

void Game::finishScoreCount()
{
    // A count cut short by a new round jumps to the end the ticks would have
    // reached.
    round_.ShownScore = round_.Score;
    controls_.lblScoreCaption = decimalText(round_.Score);
    controls_.cmdGameEnabled = true;
    services_.focus.setFocus(FocusTarget::cmdGame);
    round_.MissCount = 0;
    setTimer(TimerId::tmrScore, false);
}

} // namespace velmora
