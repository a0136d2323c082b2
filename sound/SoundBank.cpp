#include "SoundBank.h"

#include <QFile>

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
        QFile file(resourcePath(clip));
        // The clips are linked into the program, so opening one cannot fail in
        // a working build; an empty buffer would simply play nothing.
        if (file.open(QIODevice::ReadOnly))
            buffers_[slotOf(clip)] = file.readAll();
    }
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
