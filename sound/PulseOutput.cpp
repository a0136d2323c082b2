// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseOutput.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace velmora {

namespace {

using namespace std::chrono_literals;

// The longest single wait inside the main loop; its timeout is an int of
// microseconds, so a long clip is waited for in steps.
constexpr auto kLongestWait = 1s;

// Answering one message of the server may send the next request, so a look
// at what has arrived takes a few passes of the main loop.
constexpr int kPollPasses = 8;

// How much of the clip the server holds ahead of what is heard.
constexpr std::chrono::microseconds kBufferLength = 50ms;
constexpr auto kServerChooses = static_cast<std::uint32_t>(-1);

constexpr char kName[] = "Velmora";
constexpr char kIconName[] = "velmora";

struct ProplistFree {
    void operator()(pa_proplist* properties) const { pa_proplist_free(properties); }
};
using Proplist = std::unique_ptr<pa_proplist, ProplistFree>;

struct StreamRelease {
    void operator()(pa_stream* stream) const
    {
        // Disconnecting a stream that has already ended, or whose connection
        // has, is refused, harmlessly.
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
    }
};
using Stream = std::unique_ptr<pa_stream, StreamRelease>;

// A request still waiting for the server's answer when the clip is given up
// must not call back into a frame that has returned.
struct OperationRelease {
    void operator()(pa_operation* operation) const
    {
        if (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
            pa_operation_cancel(operation);
        pa_operation_unref(operation);
    }
};
using Operation = std::unique_ptr<pa_operation, OperationRelease>;

bool ended(pa_stream* stream)
{
    return !PA_STREAM_IS_GOOD(pa_stream_get_state(stream));
}

} // namespace

PulseOutput::PulseOutput(std::chrono::milliseconds giveUpAfter)
    : mainloop_(pa_mainloop_new())
    , giveUp_(giveUpAfter)
{
    // Opened now, so that the first clip does not wait for it. A server that
    // has not answered by the give-up is backed off from before any clip.
    if (connect(Clock::now() + giveUp_) == Wait::TimedOut)
        giveUp();
}

PulseOutput::~PulseOutput()
{
    disconnect();
    pa_mainloop_free(mainloop_);
}

template<typename Done>
PulseOutput::Wait PulseOutput::runUntil(Done done, Deadline deadline)
{
    for (;;) {
        if (done())
            return Wait::Done;
        if (context_ == nullptr || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
            return Wait::Lost;
        const auto now = Clock::now();
        if (now >= deadline)
            return Wait::TimedOut;
        const auto wait = std::chrono::duration_cast<std::chrono::microseconds>(
            std::min<Clock::duration>(deadline - now, kLongestWait));
        if (pa_mainloop_prepare(mainloop_, static_cast<int>(wait.count())) < 0
            || pa_mainloop_poll(mainloop_) < 0 || pa_mainloop_dispatch(mainloop_) < 0)
            return Wait::Lost;
    }
}

void PulseOutput::poll()
{
    for (int pass = 0; pass < kPollPasses && context_ != nullptr; ++pass) {
        if (pa_mainloop_iterate(mainloop_, 0, nullptr) <= 0)
            break;
    }
}

bool PulseOutput::listening()
{
    poll();
    if (context_ == nullptr)
        return true;
    switch (pa_context_get_state(context_)) {
    case PA_CONTEXT_UNCONNECTED:
    case PA_CONTEXT_CONNECTING:
    case PA_CONTEXT_AUTHORIZING:
        // Only the connection opened at a give-up is left waiting between
        // clips: the server has not answered since.
        return false;
    case PA_CONTEXT_FAILED:
        // The client library gave up on it in turn: try again, still without
        // waiting. Refused or closed, though, the server is gone, and the
        // next clip starts afresh, at no cost when there is no server.
        if (pa_context_errno(context_) == PA_ERR_TIMEOUT) {
            startConnecting();
            return false;
        }
        return true;
    default:
        return true;
    }
}

Playback PulseOutput::play(const DecodedClip& clip)
{
    if (!listening())
        return Playback::Skipped;
    if (clip.isEmpty())
        return Playback::Silent;
    const Deadline deadline = Clock::now() + clip.duration() + giveUp_;
    switch (connect(deadline)) {
    case Wait::Done:
        break;
    case Wait::Lost:
        disconnect();
        return Playback::Silent;
    case Wait::TimedOut:
        giveUp();
        return Playback::GivenUp;
    }
    return stream(clip, deadline);
}

Playback PulseOutput::stream(const DecodedClip& clip, Deadline deadline)
{
    const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(clip.sampleRate),
                                static_cast<std::uint8_t>(clip.channels)};
    if (pa_sample_spec_valid(&format) == 0)
        return Playback::Silent;
    const Proplist properties(pa_proplist_new());
    pa_proplist_sets(properties.get(), PA_PROP_MEDIA_ROLE, "game");
    const Stream stream(pa_stream_new_with_proplist(context_, kName, &format, nullptr, properties.get()));
    // The drain completes once the sink has taken the last sample, which
    // is its latency before the sample is heard. Asking for a short buffer
    // with ADJUST_LATENCY keeps that latency short as well, so the call
    // returns close to the clip's end rather than up to two seconds early.
    const auto bufferBytes = static_cast<std::uint32_t>(pa_usec_to_bytes(kBufferLength.count(), &format));
    const pa_buffer_attr buffer{kServerChooses, bufferBytes, kServerChooses, kServerChooses, kServerChooses};
    if (!stream
        || pa_stream_connect_playback(stream.get(), nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        return Playback::Silent;
    pa_stream* const s = stream.get();

    // Every wait ends the same way when the server fails to answer: the
    // clip is given up, and the connection with it.
    const auto outcome = [this](Wait wait, Playback otherwise) {
        if (wait == Wait::TimedOut) {
            giveUp();
            return Playback::GivenUp;
        }
        if (wait == Wait::Lost)
            disconnect();
        return otherwise;
    };

    Wait wait = runUntil([s] { return pa_stream_get_state(s) != PA_STREAM_CREATING; }, deadline);
    if (wait != Wait::Done)
        return outcome(wait, Playback::Silent);
    if (pa_stream_get_state(s) != PA_STREAM_READY)
        return Playback::Silent;

    // The samples go to the server as its buffer makes room for them; the
    // clip has been heard when the drain asked for afterwards completes.
    const char* samples = clip.pcm.constData();
    auto left = static_cast<std::size_t>(clip.pcm.size());
    while (left > 0) {
        wait = runUntil([s] { return ended(s) || pa_stream_writable_size(s) != 0; }, deadline);
        if (wait != Wait::Done)
            return outcome(wait, Playback::Lost);
        const std::size_t writable = pa_stream_writable_size(s);
        if (ended(s) || writable == static_cast<std::size_t>(-1))
            return Playback::Lost;
        const std::size_t chunk = std::min(writable, left);
        if (pa_stream_write(s, samples, chunk, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return Playback::Lost;
        samples += chunk;
        left -= chunk;
    }

    bool drained = false;
    const Operation drain(pa_stream_drain(
        s, [](pa_stream*, int, void* done) { *static_cast<bool*>(done) = true; }, &drained));
    if (!drain)
        return Playback::Lost;
    wait = runUntil([s, &drained] { return drained || ended(s); }, deadline);
    if (wait != Wait::Done || !drained)
        return outcome(wait, Playback::Lost);

    // Released at once rather than when the next clip comes: an idle game
    // holds no stream, and the server may suspend its device.
    pa_stream_disconnect(s);
    wait = runUntil([s] { return ended(s); }, deadline);
    return outcome(wait, Playback::Played);
}

bool PulseOutput::startConnecting()
{
    disconnect();
    const Proplist properties(pa_proplist_new());
    pa_proplist_sets(properties.get(), PA_PROP_APPLICATION_NAME, kName);
    pa_proplist_sets(properties.get(), PA_PROP_APPLICATION_ICON_NAME, kIconName);
    context_ = pa_context_new_with_proplist(pa_mainloop_get_api(mainloop_), kName, properties.get());
    // Without a running server the game is silent; it never starts one.
    if (context_ == nullptr || pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        disconnect();
        return false;
    }
    return true;
}

PulseOutput::Wait PulseOutput::connect(Deadline deadline)
{
    const bool usable = context_ != nullptr && PA_CONTEXT_IS_GOOD(pa_context_get_state(context_));
    if (!usable && !startConnecting())
        return Wait::Lost;
    return runUntil([this] { return pa_context_get_state(context_) == PA_CONTEXT_READY; }, deadline);
}

void PulseOutput::disconnect()
{
    if (context_ == nullptr)
        return;
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulseOutput::giveUp()
{
    // Closing the connection also releases, once the server reads again,
    // whatever it still holds for the clip.
    disconnect();
    startConnecting();
}

} // namespace velmora
