#pragma once

#include "DecodedClip.h"

#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>

#include <chrono>

namespace velmora {

// One playback of a decoded clip through a QAudioSink made and driven on the
// calling thread. The sink pulls the samples from a buffer and its own
// thread's event loop feeds the audio server, so run() spins a local event
// loop until the clip has been heard; it is meant for the player's worker
// thread, never for the interface thread.
//
// The sink outlives the playback by a few seconds, as a child of `keeper`:
// at the end of its data a PulseAudio sink asks the server to drain the
// stream, and the server's answer calls back into the sink even after it has
// been stopped. Destroyed at once, the sink would take that call after its
// death and bring the program down.
class SinkPlayback {
public:
    SinkPlayback(const DecodedClip& clip, QObject& keeper);
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
    QObject& keeper_;
    std::chrono::microseconds length_{0};
    QAudioSink* sink_ = nullptr; // a child of keeper_, retired after the clip
    QElapsedTimer clock_{};
    QEventLoop loop_{};
};

} // namespace velmora
