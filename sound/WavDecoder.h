// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecodedClip.h"

#include <QByteArray>

namespace velmora {

// Decodes a WAV file image held in memory, either 16-bit PCM or MPEG-1 Layer
// III in a WAV container, without touching the file system.
class WavDecoder {
public:
    // Returns an empty clip when the image is not a WAV file of either kind
    // or holds no whole sample; an image cut short yields what it holds.
    static DecodedClip decode(const QByteArray& wavImage);
};

} // namespace velmora
