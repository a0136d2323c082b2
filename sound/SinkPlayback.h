#pragma once

#include "DecodedClip.h"

#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>

#include <chrono>
#include <memory>

namespace velmora {

// One playback of a decoded clip through a QAudioSink made, driven and
// destroyed on the calling thread. The sink pulls the samples from a buffer
// and its own thread's event loop feeds the audio server, so run() spins a
// local event loop until the clip has been heard; it is meant for the
// player's worker thread, never for the interface thread.
class SinkPlayback {
public:
    explicit SinkPlayback(const DecodedClip& clip);
    ~SinkPlayback();

    SinkPlayback(const SinkPlayback&) = delete;
    SinkPlayback& operator=(const SinkPlayback&) = delete;

    // Returns once the clip has been played, at once when there is no audio
    // output, and at the latest a second after the clip's length when the
    // audio server stops answering.
    void run();

private:
    bool finished() const;

    const DecodedClip& clip_;
    std::chrono::microseconds length_{0};
    QBuffer buffer_{};
    std::unique_ptr<QAudioSink> sink_{};
    QElapsedTimer clock_{};
    QEventLoop loop_{};
};

} // namespace velmora
