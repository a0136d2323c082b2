#include "ClipPlayer.h"

#include "SinkPlayback.h"
#include "WavDecoder.h"

#include <QMediaDevices>

namespace velmora {

ClipPlayer::ClipPlayer()
    : audioContext_(new QObject)
{
    // Asking for the outputs here makes Qt set up its audio backend, and its
    // connection to the audio server, on the interface thread, which outlives
    // the worker thread.
    QMediaDevices::defaultAudioOutput();

    audioContext_->moveToThread(&audioThread_);
    QObject::connect(&audioThread_, &QThread::finished, audioContext_, [context = audioContext_] {
        // Sinks that may still hear from the server are left to the end of
        // the process rather than destroyed under the server's answer.
        const QObjectList keptSinks = context->children();
        for (QObject* sink : keptSinks)
            sink->setParent(nullptr);
        context->deleteLater();
    });
    audioThread_.setObjectName(QStringLiteral("velmora-audio"));
    audioThread_.start();
}

ClipPlayer::~ClipPlayer()
{
    audioThread_.quit();
    audioThread_.wait();
}

void ClipPlayer::Reproducir_Sonido(const QByteArray& wavImage)
{
    const DecodedClip clip = WavDecoder::decode(wavImage);
    if (clip.isEmpty())
        return;
    QMetaObject::invokeMethod(audioContext_, [this, &clip] {
        {
            SinkPlayback playback(clip, *audioContext_);
            playback.run();
        }
        clipEnded_.release();
    }, Qt::QueuedConnection);
    clipEnded_.acquire();
}

} // namespace velmora
