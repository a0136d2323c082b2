// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Playback.h"
#include "PulseOutput.h"

#include <QByteArray>

#include <chrono>

namespace velmora {

// Plays WAV file images synchronously: Reproducir_Sonido returns only when
// the clip has ended. The calling (interface) thread itself feeds the audio
// server and waits for it, outside the application's event loop, so no event
// and no timer is handled during a clip and nothing can re-enter the game
// meanwhile; what falls due runs after the clip, as the game expects.
class ClipPlayer {
public:
    // `giveUp`: how long past a clip's length to wait for a server that has
    // stopped answering (see PulseOutput).
    explicit ClipPlayer(std::chrono::milliseconds giveUp = PulseOutput::kGiveUp);

    // Decodes the image and plays it to its end. Without an audio server, or
    // with an image that cannot be decoded, it returns at once; if the audio
    // server vanishes mid-clip it returns then, and if it stops answering,
    // the give-up after the clip's length at the latest, after which clips
    // return at once until the server answers again. The game ignores what
    // it reports.
    Playback Reproducir_Sonido(const QByteArray& wavImage);

private:
    PulseOutput output_;
};

} // namespace velmora
