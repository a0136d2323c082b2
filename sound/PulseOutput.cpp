// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseOutput.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace velmora {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A clip that has not ended a second after its length never will: the
// server has stopped answering. Opening the connection gets as long.
constexpr auto kGrace = 1s;

// The longest single wait inside the main loop; its timeout is an int of
// microseconds, so a long clip is waited for in steps.
constexpr auto kLongestWait = 1s;

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
        // Disconnecting a stream that has already failed is refused, harmlessly.
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
    }
};
using Stream = std::unique_ptr<pa_stream, StreamRelease>;

bool ended(pa_stream* stream)
{
    return !PA_STREAM_IS_GOOD(pa_stream_get_state(stream));
}

} // namespace

PulseOutput::PulseOutput()
    : mainloop_(pa_mainloop_new())
{
    connect(Clock::now() + kGrace);
}

PulseOutput::~PulseOutput()
{
    disconnect();
    pa_mainloop_free(mainloop_);
}

template<typename Done>
bool PulseOutput::runUntil(Done done, Deadline deadline)
{
    for (;;) {
        if (done())
            return true;
        if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
            return false;
        const auto now = Clock::now();
        if (now >= deadline)
            return false;
        const auto wait = std::chrono::duration_cast<std::chrono::microseconds>(
            std::min<Clock::duration>(deadline - now, kLongestWait));
        if (pa_mainloop_prepare(mainloop_, static_cast<int>(wait.count())) < 0
            || pa_mainloop_poll(mainloop_) < 0 || pa_mainloop_dispatch(mainloop_) < 0)
            return false;
    }
}

void PulseOutput::play(const DecodedClip& clip)
{
    const Deadline deadline = Clock::now() + clip.duration() + kGrace;
    if (clip.isEmpty() || !connect(deadline))
        return;

    const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(clip.sampleRate),
                                static_cast<std::uint8_t>(clip.channels)};
    if (pa_sample_spec_valid(&format) == 0)
        return;
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
        return;
    pa_stream* const s = stream.get();
    if (!runUntil([s] { return pa_stream_get_state(s) != PA_STREAM_CREATING; }, deadline)
        || pa_stream_get_state(s) != PA_STREAM_READY)
        return;

    // The samples go to the server as its buffer makes room for them; the
    // clip has been heard when the drain asked for afterwards completes.
    const char* samples = clip.pcm.constData();
    auto left = static_cast<std::size_t>(clip.pcm.size());
    while (left > 0) {
        if (!runUntil([s] { return pa_stream_writable_size(s) != 0; }, deadline))
            return;
        const std::size_t writable = pa_stream_writable_size(s);
        if (writable == static_cast<std::size_t>(-1))
            return;
        const std::size_t chunk = std::min(writable, left);
        if (pa_stream_write(s, samples, chunk, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        samples += chunk;
        left -= chunk;
    }

    bool drained = false;
    pa_operation* const drain = pa_stream_drain(
        s, [](pa_stream*, int, void* done) { *static_cast<bool*>(done) = true; }, &drained);
    if (drain == nullptr)
        return;
    runUntil([s, &drained] { return drained || ended(s); }, deadline);
    // A drain given up on must not call back into this frame later on.
    if (!drained)
        pa_operation_cancel(drain);
    pa_operation_unref(drain);
}

bool PulseOutput::connect(Deadline deadline)
{
    if (connected())
        return true;
    disconnect();
    const Proplist properties(pa_proplist_new());
    pa_proplist_sets(properties.get(), PA_PROP_APPLICATION_NAME, kName);
    pa_proplist_sets(properties.get(), PA_PROP_APPLICATION_ICON_NAME, kIconName);
    context_ = pa_context_new_with_proplist(pa_mainloop_get_api(mainloop_), kName, properties.get());
    if (context_ == nullptr)
        return false;
    // Without a running server the game is silent; it never starts one.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0
        || !runUntil([this] { return connected(); }, deadline)) {
        disconnect();
        return false;
    }
    return true;
}

void PulseOutput::disconnect()
{
    if (context_ == nullptr)
        return;
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

bool PulseOutput::connected() const
{
    return context_ != nullptr && pa_context_get_state(context_) == PA_CONTEXT_READY;
}

} // namespace velmora
