// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// The letter guess: the key routine shared by the window and its buttons, the
// answer key, and the judging of a letter.
#include "Game.h"

#include "KeyCodes.h"

namespace velmora {

void Game::Form_KeyPress(int keyCode)
{
    keyRoutine(keyCode);
}

void Game::cmdGame_KeyPress(int keyCode)
{
    keyRoutine(keyCode);
}

void Game::cmdVoz_KeyPress(int keyCode)
{
    keyRoutine(keyCode);
}

void Game::keyRoutine(int keyCode)
{
    if (!round_.GameActive)
        return;
    if (keyCode == kKeyAnswer) {
        More();
        return;
    }
    const char32_t guess = guessForKey(keyCode);
    if (guess == 0)
        return;
    round_.GuessChar = guess;
    Ok();
}

void Game::More()
{
    controls_.frmeAnsVisible = true;
    services_.focus.setFocus(FocusTarget::txtWord);
}

void Game::Ok()
{
    if (controls_.frmeAnsVisible) {
        judgeAnswer();
        return;
    }

    round_.HitFlag = 0;
    ReLetra();
    if (round_.RepeatFlag) {
        // The warning for this letter may still show from its last repeat.
        if (!(timerEnabled(TimerId::tmrStrike) && lastMove_.kind == MoveKind::Repeat &&
              lastMove_.letter == round_.GuessChar))
            recordMove(MoveKind::Repeat);
        setStrikeColour(BoxColour::Yellow);
        setTimer(TimerId::tmrStrike, true);
        round_.RepeatFlag = false;
        return;
    }

    for (BoardCell& cell : controls_.lblLetter) {
        if (cell.LineVisible && cell.Caption == round_.GuessChar) {
            cell.LetterVisible = true;
            round_.HitFlag = 1;
            ++round_.RevealedCount;
        }
    }
    controls_.txtAlfa.push_back(round_.GuessChar);
    recordMove(round_.HitFlag == 1 ? MoveKind::Hit : MoveKind::Miss);
    Strikes();
    WinButton();
}

void Game::recordMove(MoveKind kind)
{
    lastMove_.kind = kind;
    lastMove_.letter = kind == MoveKind::RightAnswer || kind == MoveKind::WrongAnswer ? 0 : round_.GuessChar;
    ++lastMove_.number;
}

void Game::ReLetra()
{
    if (controls_.txtAlfa.find(round_.GuessChar) != std::u32string::npos)
        round_.RepeatFlag = true;
}

} // namespace velmora
