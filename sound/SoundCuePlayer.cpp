// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundCuePlayer.h"

namespace velmora {

SoundCuePlayer::SoundCuePlayer(std::chrono::milliseconds giveUp)
    : player_(giveUp)
{
}

void SoundCuePlayer::play(SoundClip clip)
{
    player_.Reproducir_Sonido(bank_.clip(clip));
}

} // namespace velmora
