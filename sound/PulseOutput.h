// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecodedClip.h"

#include <chrono>

struct pa_context;
struct pa_mainloop;

namespace velmora {

// The connection to the PulseAudio server, and the playback of decoded clips
// through it. Everything runs on the calling thread: play() drives a main
// loop of its own, not the application's event loop, so no event or timer of
// the caller's thread is handled while a clip plays.
//
// The connection is opened when the output is made and kept for later clips;
// when it has been lost, the next clip tries once to open a new one. It never
// starts a server of its own.
class PulseOutput {
public:
    PulseOutput();
    ~PulseOutput();

    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Plays the clip to its end. Returns at once when there is no server, as
    // soon as the server goes away mid-clip, and at the latest a second after
    // the clip's length when the server stops answering.
    void play(const DecodedClip& clip);

private:
    using Deadline = std::chrono::steady_clock::time_point;

    // Opens the connection unless it is already open; true once it is ready.
    bool connect(Deadline deadline);
    void disconnect();
    bool connected() const;

    // Runs the main loop until `done` holds, the connection fails or the
    // deadline passes; returns whether `done` holds.
    template<typename Done>
    bool runUntil(Done done, Deadline deadline);

    pa_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;
};

} // namespace velmora
