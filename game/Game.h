// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"
#include "Focus.h"
#include "LastMove.h"
#include "RandomSource.h"
#include "RoundState.h"
#include "SoundOutput.h"
#include "TitleList.h"
#include "Timers.h"
#include "WindowControls.h"
#include "basWords.h"

#include <array>
#include <optional>
#include <string_view>

namespace velmora {

// What the rules need from outside: message boxes, the keyboard focus, random
// draws, the sound clips and the timers' clock.
struct GameServices {
    Dialogs& dialogs;
    Focus& focus;
    RandomSource& random;
    SoundOutput& sound;
    TimerHost& timers;
};

// The rules of the game and all the state they read and write. Each public
// member function is one event of the main window (a click, a key, a menu
// item, a timer's tick); the window turns input into these calls and paints
// what controls() says.
class Game {
public:
    explicit Game(GameServices services);

    // The window's load: empties the board, sets the catalogue's numbers and
    // turns the sounds on. No round is active afterwards.
    void Form_Load();

    // The play button and "Nuevo juego" (F2): start a round on a title
    // drawn from the titles in use.
    void cmdGame_Click();
    void mnuMenuNew_Click();

    // Where rounds draw their titles from: a list of the players' own,
    // named in the window caption from now on, or the built-in catalogue.
    // The round in progress, if any, goes on with its title.
    void useTitleList(TitleList list);
    void useCatalogue();
    const TitleList* titleList() const { return titleList_ ? &*titleList_ : nullptr; }

    // A round between two: starts a round on a title the first player typed,
    // exactly as the play button starts one on a drawn title. The next round
    // draws from the titles in use again. A title the title rule refuses
    // starts nothing.
    void playTitle(std::u32string_view typed);

    // A key typed while the window itself, the play button or the speaker
    // button has the focus; all three share one routine.
    void Form_KeyPress(int keyCode);
    void cmdGame_KeyPress(int keyCode);
    void cmdVoz_KeyPress(int keyCode);

    // The answer box. txtWord_KeyPress returns the key code the box should
    // take, or 0 to discard the key; txtWord_Change reports the text the box
    // holds after a key or a paste.
    int txtWord_KeyPress(int keyCode);
    void txtWord_Change(const std::u32string& text);
    void txtWord_DblClick();
    void cmdCancel_Click();

    // The sound switch: the speaker button and "Mostrar sonidos" (F3).
    void cmdVoz_Click();
    void mnuSounds_Click();

    // Pointer movement over the play button and over the bare window.
    void cmdGame_MouseMove();
    void Form_MouseMove();

    // A tick of one of the window's timers.
    void onTimer(TimerId id);

    const WindowControls& controls() const { return controls_; }
    const RoundState& round() const { return round_; }
    const LastMove& lastMove() const { return lastMove_; }
    const basWords& catalogue() const { return catalogue_; }
    bool timerEnabled(TimerId id) const { return timers_[static_cast<std::size_t>(id)]; }

private:
    // The start of a round, on the given title or on one drawn.
    void startRound(std::optional<std::u32string> given);
    void drawFromCatalogue();
    // The window caption: the game's name, the list in use, then `suffix`
    // (kNewGameMark, a round's points or penalty, or nothing).
    void showCaption(std::u32string suffix);
    void Nuevo();
    void keyRoutine(int keyCode);
    void More();
    void Ok();
    void ReLetra();
    void judgeAnswer();
    void Analiza();
    void Strikes();
    void WinButton();
    void RedColor();
    void cancelFlash();
    void loseRound();
    void finishScoreCount();

    void tmrWord_Timer();
    void tmrHanged_Timer();
    void tmrStrike_Timer();
    void tmrScore_Timer();
    void playCue(TimerId id);

    void layOutTitle();
    void setStrikeColour(BoxColour colour);
    void startCue(TimerId id);
    void setTimer(TimerId id, bool enabled);
    void recordMove(MoveKind kind);

    GameServices services_;
    WindowControls controls_;
    RoundState round_;
    LastMove lastMove_;
    basWords catalogue_;
    std::optional<TitleList> titleList_;
    std::u32string captionSuffix_{kNewGameMark};
    std::array<bool, kTimerCount> timers_{};
};

} // namespace velmora
