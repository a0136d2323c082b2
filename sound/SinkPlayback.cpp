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

// How long a stopped sink is kept for the server's late calls; far longer
// than the stream's buffer takes to drain.
constexpr auto kRetirement = 5s;

} // namespace

SinkPlayback::SinkPlayback(const DecodedClip& clip, QObject& keeper)
    : clip_(clip)
    , keeper_(keeper)
    , length_(clip.duration())
{
}

SinkPlayback::~SinkPlayback()
{
    if (sink_ == nullptr)
        return;
    sink_->stop();
    QTimer::singleShot(kRetirement, sink_, &QObject::deleteLater);
}

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

    sink_ = new QAudioSink(device, format, &keeper_);
    // The buffer goes with the sink, which may still refer to it until then.
    auto* buffer = new QBuffer(sink_);
    buffer->setData(clip_.pcm);
    buffer->open(QIODevice::ReadOnly);
    sink_->start(buffer);
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
