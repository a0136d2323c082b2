// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Game.h"

#include <algorithm>
#include <cmath>

namespace velmora {

Game::Game(GameServices services)
    : services_(services)
{
    // Both followers run from the moment the window exists.
    setTimer(TimerId::tmrWord, true);
    setTimer(TimerId::tmrHanged, true);
}

void Game::Form_Load()
{
    Nuevo();
    catalogue_.InitCatalogue();
    round_.SoundOn = true;
}

void Game::Nuevo()
{
    controls_.mnuMenuNewEnabled = false;
    for (BoardCell& cell : controls_.lblLetter) {
        cell.LetterVisible = false;
        cell.LineVisible = false;
    }
    controls_.txtAlfa.clear();
    for (StrikeBox& box : controls_.lblStrike)
        box.Caption = 0;
    controls_.lblWordsVisible = false;
    controls_.figure.resetStandingPose();
    setStrikeColour(BoxColour::White);
    setTimer(TimerId::tmrHanged, true);
    round_.CurrentTitle.clear();
    round_.HitFlag = 0;
    round_.RevealedCount = 0;
    round_.TitleLength = 0;
}

void Game::mnuMenuNew_Click()
{
    cmdGame_Click();
}

void Game::cmdGame_Click()
{
    startRound(std::nullopt);
}

void Game::startRound(std::optional<std::u32string> given)
{
    // A score still counting from the last round is finished first, as its
    // last tick would, so the new round starts with the button enabled, the
    // whole score shown and the miss count cleared.
    if (timerEnabled(TimerId::tmrScore))
        finishScoreCount();

    Nuevo();
    lastMove_ = {MoveKind::None, 0, lastMove_.number, 0};
    round_.GameActive = true;
    controls_.cmdGameCaption = U"NUEVO";
    showCaption(U"");
    if (given)
        round_.CurrentTitle = std::move(*given);
    else if (titleList_)
        round_.CurrentTitle = titleList_->draw(services_.random);
    else
        drawFromCatalogue();

    int spaces = 0;
    for (char32_t c : round_.CurrentTitle)
        spaces += c == U' ' ? 1 : 0;
    round_.TitleLength = static_cast<int>(round_.CurrentTitle.size());
    startCue(TimerId::tmrSound2);
    controls_.mnuMenuNewEnabled = true;
    round_.LettersLeft = round_.TitleLength - spaces;

    // Laying the title out now, instead of waiting up to 100 ms for the board
    // refresh, lets a letter typed at once find its cells.
    layOutTitle();
}

void Game::drawFromCatalogue()
{
    catalogue_.InitCatalogue();
    // One generator, seeded once, gives the group and the slot as two
    // independent draws, so every title is equally likely.
    const auto group = static_cast<std::int16_t>(
        std::floor(services_.random.uniform() * catalogue_.GroupSpan / 2));
    catalogue_.GroupNumber = group == 0 ? catalogue_.GroupCount : group;
    round_.TitleIndex = static_cast<int>(std::floor(services_.random.uniform() * catalogue_.TitleSpan / 2));
    catalogue_.LoadGroup();
    round_.CurrentTitle = catalogue_.GroupTitles[static_cast<std::size_t>(round_.TitleIndex)];
}

void Game::showCaption(std::u32string suffix)
{
    captionSuffix_ = std::move(suffix);
    controls_.Caption = kGameName;
    if (titleList_)
        controls_.Caption += U" — " + titleList_->name();
    controls_.Caption += captionSuffix_;
}

void Game::tmrWord_Timer()
{
    layOutTitle();
}

void Game::layOutTitle()
{
    controls_.lblWordsCaption = std::u32string(kAnswerPrefix) + round_.CurrentTitle;
    const int cells = std::min(round_.TitleLength, kBoardCells);
    for (int i = 0; i < cells; ++i) {
        const char32_t c = round_.CurrentTitle[static_cast<std::size_t>(i)];
        round_.GuessChar = c;
        BoardCell& cell = controls_.lblLetter[static_cast<std::size_t>(i)];
        cell.Caption = c;
        cell.LineVisible = c != U' ';
    }
}

void Game::onTimer(TimerId id)
{
    switch (id) {
    case TimerId::tmrWord: tmrWord_Timer(); break;
    case TimerId::tmrHanged: tmrHanged_Timer(); break;
    case TimerId::tmrStrike: tmrStrike_Timer(); break;
    case TimerId::tmrScore: tmrScore_Timer(); break;
    case TimerId::tmrSound1:
    case TimerId::tmrSound2:
    case TimerId::tmrSound3:
    case TimerId::tmrSound4:
    case TimerId::tmrSound5:
    case TimerId::tmrSound6: playCue(id); break;
    }
}

void Game::setTimer(TimerId id, bool enabled)
{
    bool& current = timers_[static_cast<std::size_t>(id)];
    if (current == enabled)
        return;
    current = enabled;
    services_.timers.timerEnabledChanged(id, enabled);
}

void Game::setStrikeColour(BoxColour colour)
{
    for (StrikeBox& box : controls_.lblStrike)
        box.BackColor = colour;
}

} // namespace velmora
