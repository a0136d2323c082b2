#include "SoundCuePlayer.h"

namespace velmora {

void SoundCuePlayer::play(SoundClip clip)
{
    player_.Reproducir_Sonido(bank_.clip(clip));
}

} // namespace velmora
