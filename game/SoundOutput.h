// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// The six clips of the sound bank, numbered as they are stored.
enum class SoundClip {
    SeventhMiss = 101,
    NewTitle = 102,
    RoundLost = 103,
    Miss = 104,
    RoundWon = 105,
    LetterFound = 106,
};

// Plays one clip of the bank and returns only when it has ended, so no other
// event of the game is handled while a clip is heard.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(SoundClip clip) = 0;
};

} // namespace velmora
