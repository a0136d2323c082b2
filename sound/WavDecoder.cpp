// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavDecoder.h"

#include <mpg123.h>

#include <sys/types.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace velmora {

namespace {

// More channels than this is no clip of the game; refusing them keeps a
// corrupt header from asking for absurd buffers.
constexpr int kMaxChannels = 8;
constexpr quint16 kPcm = 0x0001;
constexpr quint16 kMpegLayer3 = 0x0055;
constexpr std::size_t kSamplesPerRead = 4096;

std::uint32_t readLittle(const char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

// What the decoder needs of a WAV file image: its format chunk's first
// fields and where its data chunk lies. The data of an image cut short ends
// where the image does.
struct WavChunks {
    quint16 formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qsizetype dataStart = 0;
    qsizetype dataSize = 0;
};

std::optional<WavChunks> readChunks(const QByteArray& image)
{
    const char* bytes = image.constData();
    if (image.size() < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return std::nullopt;
    WavChunks chunks;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        const qsizetype size = readLittle(bytes + at + 4, 4);
        const qsizetype body = at + 8;
        if (std::memcmp(bytes + at, "fmt ", 4) == 0) {
            if (size < 16 || body + 16 > image.size())
                return std::nullopt;
            chunks.formatTag = static_cast<quint16>(readLittle(bytes + body, 2));
            chunks.channels = static_cast<int>(readLittle(bytes + body + 2, 2));
            chunks.sampleRate = static_cast<int>(readLittle(bytes + body + 4, 4));
            chunks.bitsPerSample = static_cast<int>(readLittle(bytes + body + 14, 2));
            haveFormat = true;
        } else if (std::memcmp(bytes + at, "data", 4) == 0) {
            if (!haveFormat || body >= image.size())
                return std::nullopt;
            chunks.dataStart = body;
            chunks.dataSize = std::min(size, image.size() - body);
            return chunks;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

// The samples of a 16-bit PCM data chunk, whole frames only, as they are
// stored: the machine is little-endian like the file.
DecodedClip decodePcm(const QByteArray& image, const WavChunks& chunks)
{
    DecodedClip clip;
    if (chunks.bitsPerSample != 16)
        return clip;
    const qsizetype frameBytes = chunks.channels * qsizetype{2};
    clip.pcm = image.mid(chunks.dataStart, chunks.dataSize - chunks.dataSize % frameBytes);
    clip.channels = chunks.channels;
    clip.sampleRate = chunks.sampleRate;
    return clip;
}

// The read position of libmpg123's stream inside the data chunk.
struct MemoryStream {
    const char* data;
    qsizetype size;
    qsizetype position = 0;
};

MemoryStream& streamOf(void* handle)
{
    return *static_cast<MemoryStream*>(handle);
}

// The decoder hands over room for count bytes. Saying so lets a fortified
// build check the copy into it when the program runs.
#if __has_cpp_attribute(gnu::access)
[[gnu::access(write_only, 2, 3)]]
#endif
ssize_t readStream(void* handle, void* destination, size_t count)
{
    MemoryStream& stream = streamOf(handle);
    const auto taken = std::min<qsizetype>(static_cast<qsizetype>(count), stream.size - stream.position);
    std::memcpy(destination, stream.data + stream.position, static_cast<std::size_t>(taken));
    stream.position += taken;
    return taken;
}

off_t seekStream(void* handle, off_t offset, int whence)
{
    MemoryStream& stream = streamOf(handle);
    qsizetype base = 0;
    if (whence == SEEK_CUR)
        base = stream.position;
    else if (whence == SEEK_END)
        base = stream.size;
    const qsizetype target = base + offset;
    if (target < 0 || target > stream.size)
        return -1;
    stream.position = target;
    return static_cast<off_t>(target);
}

// The MPEG Layer III frames of a data chunk, decoded by libmpg123 to floating
// point and turned into 16-bit samples, rounded to the nearest, as libsndfile
// decodes such a WAV file: the samples are those the game has always played.
// The encoder's padding is kept, and the stream is read until it ends rather
// than for the length it announces. A sample the decoder gives beyond full
// scale is held at full scale, not wrapped round into a click.
DecodedClip decodeMpeg(const QByteArray& image, const WavChunks& chunks)
{
    const std::unique_ptr<mpg123_handle, decltype(&mpg123_delete)> decoder(mpg123_new(nullptr, nullptr),
                                                                           &mpg123_delete);
    if (!decoder)
        return {};
    mpg123_param(decoder.get(), MPG123_REMOVE_FLAGS, MPG123_AUTO_RESAMPLE, 1.0);
    mpg123_param(decoder.get(), MPG123_ADD_FLAGS, MPG123_FORCE_FLOAT | MPG123_GAPLESS | MPG123_QUIET, 1.0);
    mpg123_param(decoder.get(), MPG123_ADD_FLAGS, MPG123_NO_FRANKENSTEIN, 1.0);
    mpg123_param(decoder.get(), MPG123_REMOVE_FLAGS, MPG123_SEEKBUFFER, 1.0);
    MemoryStream stream{image.constData() + chunks.dataStart, chunks.dataSize};
    if (mpg123_replace_reader_handle(decoder.get(), readStream, seekStream, nullptr) != MPG123_OK ||
        mpg123_open_handle(decoder.get(), &stream) != MPG123_OK)
        return {};
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(decoder.get(), &rate, &channels, &encoding) != MPG123_OK ||
        encoding != MPG123_ENC_FLOAT_32)
        return {};

    DecodedClip clip;
    clip.channels = chunks.channels;
    clip.sampleRate = chunks.sampleRate;
    std::vector<float> block(kSamplesPerRead);
    std::vector<std::int16_t> samples(kSamplesPerRead);
    for (;;) {
        size_t bytes = 0;
        const int result = mpg123_read(decoder.get(), block.data(), block.size() * sizeof(float), &bytes);
        const std::size_t count = bytes / sizeof(float);
        for (std::size_t i = 0; i < count; ++i)
            samples[i] = static_cast<std::int16_t>(std::clamp(std::lrintf(block[i] * float{0x7FFF}), -0x8000L, 0x7FFFL));
        clip.pcm.append(reinterpret_cast<const char*>(samples.data()),
                        static_cast<qsizetype>(count * sizeof(std::int16_t)));
        if (result != MPG123_OK)
            break;
    }
    return clip;
}

} // namespace

DecodedClip WavDecoder::decode(const QByteArray& wavImage)
{
    const std::optional<WavChunks> chunks = readChunks(wavImage);
    if (!chunks || chunks->channels < 1 || chunks->channels > kMaxChannels || chunks->sampleRate <= 0)
        return {};
    DecodedClip clip;
    if (chunks->formatTag == kPcm)
        clip = decodePcm(wavImage, *chunks);
    else if (chunks->formatTag == kMpegLayer3)
        clip = decodeMpeg(wavImage, *chunks);
    if (clip.isEmpty())
        return {};
    return clip;
}

} // namespace velmora
