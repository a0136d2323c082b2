// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundCuePlayer.h"

#include "EmbeddedResource.h"

namespace velmora {

SoundCuePlayer::SoundCuePlayer(std::chrono::milliseconds giveUp)
    : player_(giveUp)
{
}

void SoundCuePlayer::play(SoundClip clip)
{
    player_.Reproducir_Sonido(bank_.clip(clip));
    // Decoded and heard, the clip is read again from the program file the
    // next time it plays.
    letGoOfDecodedResources();
}

} // namespace velmora
