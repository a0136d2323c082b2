#include "SoundCuePlayer.h"

namespace velmora {

SoundCuePlayer::SoundCuePlayer(std::chrono::milliseconds giveUp)
    : player_(giveUp)
{
}

void SoundCuePlayer::play(SoundClip clip)
{
    player_.Reproducir_Sonido(bank_.clip(clip));
}

} // namespace velmora
