// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <chrono>

namespace velmora {

// A clip decoded to interleaved signed 16-bit samples in the machine's byte
// order, ready for an audio sink. An empty clip stands for one that could not
// be decoded.
struct DecodedClip {
    QByteArray pcm;
    int channels = 0;
    int sampleRate = 0;

    bool isEmpty() const;

    // Sample frames, one sample per channel each.
    qint64 frameCount() const;

    std::chrono::microseconds duration() const;
};

} // namespace velmora
