#pragma once

#include <QByteArray>
#include <QSemaphore>
#include <QThread>

namespace velmora {

// Plays WAV file images synchronously: Reproducir_Sonido returns only when
// the clip has ended. The audio sink lives on a worker thread that the player
// keeps for its whole life, while the calling (interface) thread simply waits
// on a semaphore. So no event and no timer of the interface thread is handled
// during a clip, and nothing can re-enter the game meanwhile; what falls due
// runs after the clip, as the game expects.
class ClipPlayer {
public:
    ClipPlayer();
    ~ClipPlayer();

    ClipPlayer(const ClipPlayer&) = delete;
    ClipPlayer& operator=(const ClipPlayer&) = delete;

    // Decodes the image and plays it to its end. Without an audio output, or
    // with an image that cannot be decoded, it returns at once and reports
    // nothing; if the audio server vanishes mid-clip it returns within a
    // second of the clip's end.
    void Reproducir_Sonido(const QByteArray& wavImage);

private:
    QThread audioThread_{};
    // Lives on audioThread_, so work queued to it runs there; it also keeps
    // each finished sink for a while.
    QObject* audioContext_ = nullptr;
    QSemaphore clipEnded_{0};
};

} // namespace velmora
