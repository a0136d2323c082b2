// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <sys/types.h>

namespace velmora::test {

// The private PulseAudio server that tests/support/with-pulseaudio.sh starts
// for an audio test, seen and steered from inside the test.
class PrivateServer {
public:
    // The server running now, or 0 outside with-pulseaudio.sh.
    static pid_t pid();

    // Sends the server a signal; true when it was delivered.
    static bool send(int signalNumber);

    // Whether the server answers a client now (`pactl info`).
    static bool answers();

    // Starts the server again, as with-pulseaudio.sh first started it, once
    // the test has killed it; true when it answers.
    static bool restart();

    // How many playback streams the game holds on the server.
    static int gameStreams();

    // Whether the game is connected to the server.
    static bool gameConnected();

    // The state of a sink ("RUNNING", "IDLE", "SUSPENDED"), or "" when the
    // server lists no such sink.
    static QString sinkState(const QString& sink);

private:
    // The standard output of pactl, or "" when it fails.
    static QString pactl(const QStringList& arguments);
};

} // namespace velmora::test
