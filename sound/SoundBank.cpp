// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundBank.h"

#include "EmbeddedResource.h"

#include <QResource>

namespace velmora {

namespace {

constexpr int kFirstClip = static_cast<int>(SoundClip::SeventhMiss);

std::size_t slotOf(SoundClip clip)
{
    return static_cast<std::size_t>(static_cast<int>(clip) - kFirstClip);
}

} // namespace

SoundBank::SoundBank()
{
    for (int number = kFirstClip; number < kFirstClip + kClipCount; ++number) {
        const auto clip = static_cast<SoundClip>(number);
        // The clips are stored uncompressed inside the program, so each
        // buffer is the embedded image itself rather than a copy of it. A
        // missing clip leaves an empty buffer, which plays nothing.
        const QResource resource(resourcePath(clip));
        buffers_[slotOf(clip)] =
            resource.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
                : resource.uncompressedData();
    }
    // Reading their sizes has mapped the clips' first pages and their
    // neighbours: none is needed until its clip plays.
    letGoOfDecodedResources();
}

const QByteArray& SoundBank::clip(SoundClip clip) const
{
    return buffers_[slotOf(clip)];
}

QString SoundBank::resourcePath(SoundClip clip)
{
    return QStringLiteral(":/sounds/%1.wav").arg(static_cast<int>(clip));
}

} // namespace velmora
