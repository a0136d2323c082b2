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
    return output_.play(WavDecoder::decode(wavImage));
}

} // namespace velmora
