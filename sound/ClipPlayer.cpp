// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipPlayer.h"

#include "WavDecoder.h"

namespace velmora {

void ClipPlayer::Reproducir_Sonido(const QByteArray& wavImage)
{
    output_.play(WavDecoder::decode(wavImage));
}

} // namespace velmora
