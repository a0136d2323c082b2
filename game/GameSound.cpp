// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound cues, the sound switch and the play button's hover colour.
#include "Game.h"

namespace velmora {

void Game::startCue(TimerId id)
{
    if (round_.SoundOn)
        setTimer(id, true);
}

void Game::playCue(TimerId id)
{
    // The letter-found clip gives way to the round-won clip when that letter
    // completed the title.
    const bool skip = id == TimerId::tmrSound6 && round_.RevealedCount == round_.LettersLeft;
    if (!skip)
        services_.sound.play(cueClip(id));
    setTimer(id, false);
}

void Game::cmdVoz_Click()
{
    mnuSounds_Click();
}

void Game::mnuSounds_Click()
{
    if (!round_.SoundOn) {
        controls_.cmdVozPicture = SpeakerPicture::On;
        controls_.cmdVozToolTip = kHideSoundsTip;
        controls_.mnuSoundsChecked = true;
        round_.SoundOn = true;
    } else {
        controls_.cmdVozPicture = SpeakerPicture::Off;
        controls_.cmdVozToolTip = kShowSoundsTip;
        controls_.mnuSoundsChecked = false;
        round_.SoundOn = false;
    }
}

void Game::cmdGame_MouseMove()
{
    controls_.cmdGameBackColor = kPlayButtonHover;
}

void Game::Form_MouseMove()
{
    controls_.cmdGameBackColor = kPlayButtonWhite;
}

} // namespace velmora
