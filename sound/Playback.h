// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// What became of a clip handed to the sound output. The game does not look
// at it: a clip that cannot be heard costs the round nothing.
enum class Playback {
    Played,  // heard to its end
    Silent,  // nothing to play it on: no server, or a clip that cannot be decoded
    Lost,    // the server went away in the middle of the clip
    GivenUp, // the server stopped answering; later clips are skipped until it answers
    Skipped, // not offered, as the server has not answered since a clip was given up
};

} // namespace velmora
