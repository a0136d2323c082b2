// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-title guess: the answer box's keys, its confirmation and the
// comparison with the title.
#include "Game.h"

#include "KeyCodes.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::u32string_view kConfirmText = U"¿Está seguro?, morirá si se equivoca.";
constexpr std::u32string_view kSymbolWarning =
    U"Espere, hay mínimo un símbolo o letra con acento, revise si los hay y quítelos.";

} // namespace

int Game::txtWord_KeyPress(int keyCode)
{
    if (keyCode == kKeyEnter) {
        Ok();
        return keyCode;
    }
    return Verificar_Tecla(keyCode, controls_.txtWord.empty());
}

void Game::txtWord_Change(const std::u32string& text)
{
    controls_.txtWord = text.substr(0, kAnswerMaxLength);
}

void Game::txtWord_DblClick()
{
    controls_.txtWord.clear();
}

void Game::cmdCancel_Click()
{
    controls_.frmeAnsVisible = false;
    controls_.txtWord.clear();
    services_.focus.setFocus(controls_.cmdGameEnabled ? FocusTarget::cmdGame : FocusTarget::Form);
}

void Game::judgeAnswer()
{
    controls_.txtWord = toUpperLatin1(controls_.txtWord);
    const bool valid = std::all_of(controls_.txtWord.begin(), controls_.txtWord.end(),
                                   [](char32_t c) { return isAnswerCharacter(c); });
    if (!valid) {
        services_.dialogs.showMessage(std::u32string(kSymbolWarning), MessageIcon::Warning,
                                      MessageButtons::Ok);
        return;
    }
    const MessageAnswer answer = services_.dialogs.showMessage(
        std::u32string(kConfirmText), MessageIcon::Question, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        Analiza();
}

void Game::Analiza()
{
    if (controls_.txtWord == round_.CurrentTitle) {
        recordMove(MoveKind::RightAnswer);
        for (StrikeBox& box : controls_.lblStrike)
            box.Caption = 0;
        round_.RevealedCount = round_.LettersLeft;
        for (BoardCell& cell : controls_.lblLetter) {
            if (cell.LineVisible)
                cell.LetterVisible = true;
        }
        WinButton();
    } else {
        recordMove(MoveKind::WrongAnswer);
        for (std::size_t i = 0; i < controls_.lblStrike.size(); ++i)
            controls_.lblStrike[i].Caption = kDeathWord[i];
        // The confirmation warns that a wrong answer kills: the round is lost
        // exactly as by the eighth miss, so it can no longer be won.
        if (round_.GameActive)
            loseRound();
    }
    controls_.frmeAnsVisible = false;
    controls_.txtWord.clear();
}

} // namespace velmora
