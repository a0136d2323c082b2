// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodedClip.h"

#include <cstdint>

namespace velmora {

bool DecodedClip::isEmpty() const
{
    return pcm.isEmpty() || channels <= 0 || sampleRate <= 0;
}

qint64 DecodedClip::frameCount() const
{
    if (isEmpty())
        return 0;
    return pcm.size() / (channels * static_cast<qint64>(sizeof(std::int16_t)));
}

std::chrono::microseconds DecodedClip::duration() const
{
    if (isEmpty())
        return std::chrono::microseconds{0};
    return std::chrono::microseconds{frameCount() * 1'000'000 / sampleRate};
}

} // namespace velmora
