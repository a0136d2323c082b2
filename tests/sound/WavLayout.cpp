// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavLayout.h"

#include <QtEndian>

namespace velmora::test {

namespace {

quint16 u16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Bit rates of MPEG-1 Layer III in kbit/s by header index, and sample rates
// of MPEG-1 by header index.
constexpr int kBitRates[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
constexpr int kSampleRates[4] = {44100, 48000, 32000, 0};

} // namespace

std::optional<WavLayout> WavLayout::read(const QByteArray& image)
{
    if (image.size() < 12 || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE")
        return std::nullopt;
    WavLayout layout;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        const QByteArray tag = image.mid(at, 4);
        const quint32 size = u32(image, at + 4);
        const qsizetype body = at + 8;
        if (body + size > image.size())
            return std::nullopt;
        layout.chunkTags.append(tag);
        if (tag == "fmt " && size >= 16) {
            layout.fmtSize = size;
            layout.formatTag = u16(image, body);
            layout.channels = u16(image, body + 2);
            layout.sampleRate = u32(image, body + 4);
            layout.avgBytesPerSecond = u32(image, body + 8);
            layout.blockAlign = u16(image, body + 12);
            layout.bitsPerSample = u16(image, body + 14);
            if (size >= 30) {
                layout.extraSize = u16(image, body + 16);
                layout.mpegId = u16(image, body + 18);
                layout.mpegFlags = u32(image, body + 20);
                layout.blockSize = u16(image, body + 24);
                layout.framesPerBlock = u16(image, body + 26);
                layout.codecDelay = u16(image, body + 28);
            }
        } else if (tag == "fact" && size >= 4) {
            layout.factSamples = u32(image, body);
        } else if (tag == "data") {
            layout.data = image.mid(body, size);
        }
        at = body + size + (size % 2);
    }
    return layout;
}

int WavLayout::mpegFrameCount() const
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    qsizetype at = 0;
    int frames = 0;
    while (at < data.size()) {
        if (at + 4 > data.size())
            return -1;
        const quint32 header = qFromBigEndian<quint32>(bytes + at);
        const bool sync = (header >> 21) == 0x7FF;
        const bool mpeg1 = ((header >> 19) & 3) == 3;
        const bool layer3 = ((header >> 17) & 3) == 1;
        const int bitRate = kBitRates[(header >> 12) & 0xF] * 1000;
        const int sampleRate = kSampleRates[(header >> 10) & 3];
        if (!sync || !mpeg1 || !layer3 || bitRate == 0 || sampleRate == 0)
            return -1;
        at += 144 * bitRate / sampleRate + ((header >> 9) & 1);
        ++frames;
    }
    return at == data.size() ? frames : -1;
}

} // namespace velmora::test
