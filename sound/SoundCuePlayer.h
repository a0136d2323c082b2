// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClipPlayer.h"
#include "SoundBank.h"
#include "SoundOutput.h"

#include <chrono>

namespace velmora {

// The game's sound output: the bank of six clips and the player that plays
// them synchronously. The main window owns one for its whole life.
class SoundCuePlayer : public SoundOutput {
public:
    explicit SoundCuePlayer(std::chrono::milliseconds giveUp = PulseOutput::kGiveUp);

    // Plays the clip from the bank and returns when it has ended.
    void play(SoundClip clip) override;

    const SoundBank& bank() const { return bank_; }

private:
    SoundBank bank_{};
    ClipPlayer player_;
};

} // namespace velmora
