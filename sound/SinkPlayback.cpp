#include "SinkPlayback.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>
#include <QTimer>

namespace velmora {

namespace {

using namespace std::chrono_literals;

// How often the sink is asked whether the clip has ended; small against the
// shortest clip (0.53 s), so the wait overshoots the clip by very little.
constexpr auto kPollInterval = 5ms;

// A clip that has not ended a second after its length never will: the
// server has gone without the sink noticing.
constexpr auto kGrace = 1s;

} // namespace

SinkPlayback::SinkPlayback(const DecodedClip& clip)
    : clip_(clip)
    , length_(clip.duration())
{
}

// The sink is destroyed here, on the thread that made it; on PulseAudio that
// runs this thread's pending events, which is harmless on the worker thread.
SinkPlayback::~SinkPlayback() = default;

void SinkPlayback::run()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (clip_.isEmpty() || device.isNull())
        return;

    QAudioFormat format;
    format.setSampleRate(clip_.sampleRate);
    format.setChannelCount(clip_.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;

    buffer_.setData(clip_.pcm);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(&buffer_);
    clock_.start();
    if (finished())
        return;

    QTimer poll;
    poll.setInterval(kPollInterval);
    QObject::connect(&poll, &QTimer::timeout, &loop_, [this] {
        if (finished())
            loop_.quit();
    });
    poll.start();
    loop_.exec();
    sink_->stop();
}

bool SinkPlayback::finished() const
{
    // A sink that stops on its own has met an error, such as the server
    // going away; an underrun only means the buffer has been handed over.
    const QAudio::Error error = sink_->error();
    if (sink_->state() == QAudio::StoppedState
        || (error != QAudio::NoError && error != QAudio::UnderrunError))
        return true;
    // Idle means every sample has been written to the server; the clip has
    // been heard once the played time has reached its length too.
    if (sink_->state() == QAudio::IdleState
        && std::chrono::microseconds{sink_->processedUSecs()} >= length_)
        return true;
    return std::chrono::milliseconds{clock_.elapsed()} >= length_ + kGrace;
}

} // namespace velmora
