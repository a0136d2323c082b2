// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipPlayer.h"

#include "WavDecoder.h"

namespace velmora {

ClipPlayer::ClipPlayer(std::chrono::milliseconds giveUp)
    : output_(giveUp)
{
}

Playback ClipPlayer::Reproducir_Sonido(const QByteArray& wavImage)
{
    // A clip that would be skipped is not decoded either.
    if (!output_.listening())
        return Playback::Skipped;
    return output_.play(WavDecoder::decode(wavImage));
}

} // namespace velmora
