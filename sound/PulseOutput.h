// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecodedClip.h"
#include "Playback.h"

#include <chrono>

struct pa_context;
struct pa_mainloop;

namespace velmora {

// The connection to the PulseAudio server, and the playback of decoded clips
// through it. Everything runs on the calling thread: play() drives a main
// loop of its own, not the application's event loop, so no event or timer of
// the caller's thread is handled while a clip plays.
//
// The connection is opened when the output is made and kept for later clips.
// Each clip plays through a stream of its own, which is released as soon as
// the clip has been heard, so an idle game holds nothing open on the server
// and the server may suspend its device. A connection that has been lost
// (the server was stopped or restarted) is noticed before the next clip,
// which opens a new one. It never starts a server of its own.
//
// A server that stops answering costs one clip its length plus the give-up.
// The output then backs off: later clips are skipped at once, without
// waiting, until the server answers again, which a connection opened at the
// give-up tells without the caller ever waiting for it.
class PulseOutput {
public:
    static constexpr std::chrono::milliseconds kGiveUp{1000};

    // `giveUpAfter` is how long past a clip's length the output waits for a
    // server that does not answer before it gives the clip up; opening the
    // connection gets as long.
    explicit PulseOutput(std::chrono::milliseconds giveUpAfter = kGiveUp);
    ~PulseOutput();

    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Plays the clip to its end. Returns at once when there is no server or
    // while backing off, as soon as the server goes away mid-clip, and at the
    // latest the give-up after the clip's length when the server stops
    // answering.
    Playback play(const DecodedClip& clip);

private:
    using Clock = std::chrono::steady_clock;
    using Deadline = Clock::time_point;

    enum class Wait {
        Done,     // what was waited for happened
        Lost,     // the connection failed or the server went away
        TimedOut, // the deadline passed first: the server did not answer
    };

    Playback stream(const DecodedClip& clip, Deadline deadline);

    // Starts opening a connection without waiting for it; false when that
    // failed at once.
    bool startConnecting();
    // Waits until the connection is ready, opening one if there is none.
    Wait connect(Deadline deadline);
    void disconnect();
    // Closes a connection that has stopped answering, and starts a new one
    // whose progress tells when the server answers again.
    void giveUp();
    // Handles whatever the server has sent, without waiting.
    void poll();
    // Whether a clip is offered to the server now; false while backing off:
    // while the connection opened at a give-up still waits for the server's
    // answer. It handles what the server has sent meanwhile and never waits.
    bool listening();

    // Runs the main loop until `done` holds, the connection fails or the
    // deadline passes.
    template<typename Done>
    Wait runUntil(Done done, Deadline deadline);

    pa_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;
    std::chrono::milliseconds giveUp_;
};

} // namespace velmora
