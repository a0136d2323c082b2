// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <optional>

namespace velmora::test {

// The chunks of a WAV file image as the tests read them, independently of
// the decoder under test.
struct WavLayout {
    quint32 fmtSize = 0;
    quint16 formatTag = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint32 avgBytesPerSecond = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;
    // The MPEGLAYER3WAVEFORMAT fields after cbSize; zero for PCM.
    quint16 extraSize = 0;
    quint16 mpegId = 0;
    quint32 mpegFlags = 0;
    quint16 blockSize = 0;
    quint16 framesPerBlock = 0;
    quint16 codecDelay = 0;
    std::optional<quint32> factSamples{};
    QByteArray data{};
    // The four-character tags of the chunks, in the order they are stored.
    QByteArrayList chunkTags{};

    // Reads the RIFF chunks; nullopt when the image is not a WAV file whose
    // chunks lie inside it.
    static std::optional<WavLayout> read(const QByteArray& image);

    // Walks the MPEG frame headers of the data chunk and counts the frames;
    // -1 when a header is broken or the last frame does not end the data.
    int mpegFrameCount() const;
};

} // namespace velmora::test
