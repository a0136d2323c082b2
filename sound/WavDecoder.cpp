// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavDecoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace velmora {

namespace {

// More channels than this is no clip of the game; refusing them keeps a
// corrupt header from asking for absurd buffers.
constexpr int kMaxChannels = 8;
constexpr sf_count_t kFramesPerRead = 4096;

// The read position of libsndfile's virtual file inside the image.
struct MemoryFile {
    const QByteArray& image;
    sf_count_t position = 0;
};

MemoryFile& fileOf(void* user)
{
    return *static_cast<MemoryFile*>(user);
}

sf_count_t imageLength(void* user)
{
    return fileOf(user).image.size();
}

sf_count_t seekImage(sf_count_t offset, int whence, void* user)
{
    MemoryFile& file = fileOf(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = file.position;
    else if (whence == SEEK_END)
        base = file.image.size();
    const sf_count_t target = base + offset;
    if (target < 0 || target > file.image.size())
        return -1;
    file.position = target;
    return target;
}

// The decoder hands over room for count bytes. Saying so lets a fortified
// build check the copy into it when the program runs.
#if __has_cpp_attribute(gnu::access)
[[gnu::access(write_only, 1, 2)]]
#endif
sf_count_t readImage(void* destination, sf_count_t count, void* user)
{
    MemoryFile& file = fileOf(user);
    const sf_count_t available = file.image.size() - file.position;
    const sf_count_t taken = std::clamp<sf_count_t>(count, 0, available);
    std::memcpy(destination, file.image.constData() + file.position, static_cast<std::size_t>(taken));
    file.position += taken;
    return taken;
}

sf_count_t refuseWrite(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t tellImage(void* user)
{
    return fileOf(user).position;
}

} // namespace

DecodedClip WavDecoder::decode(const QByteArray& wavImage)
{
    SF_VIRTUAL_IO io{imageLength, seekImage, readImage, refuseWrite, tellImage};
    MemoryFile memory{wavImage};
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, decltype(&sf_close)> file(
        sf_open_virtual(&io, SFM_READ, &info, &memory), &sf_close);
    if (!file || info.channels < 1 || info.channels > kMaxChannels || info.samplerate <= 0)
        return {};

    DecodedClip clip;
    clip.channels = info.channels;
    clip.sampleRate = info.samplerate;
    // The MPEG decoder reports an estimate of the length, so the samples are
    // read until the stream ends rather than counted in advance.
    std::vector<std::int16_t> block(static_cast<std::size_t>(kFramesPerRead * info.channels));
    for (;;) {
        const sf_count_t frames = sf_readf_short(file.get(), block.data(), kFramesPerRead);
        if (frames <= 0)
            break;
        clip.pcm.append(reinterpret_cast<const char*>(block.data()),
                        static_cast<qsizetype>(frames * info.channels * sizeof(std::int16_t)));
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR || clip.pcm.isEmpty())
        return {};
    return clip;
}

} // namespace velmora
