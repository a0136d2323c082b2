// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Playback.h"
#include "SoundOutput.h"

#include <QMetaType>
#include <QTest>
#include <QtGlobal>

#include <chrono>

namespace velmora {

// The give-up of the players in the tests that time clips on a server that
// answers. On a machine too busy to let the server keep time, a clip then
// ends late rather than being given up, and what the test checks (that the
// clip was heard to its end and blocked its caller meanwhile) still holds.
inline constexpr std::chrono::milliseconds kPatientGiveUp{8000};

// Whether a clip that was heard to its end blocked its caller for its own
// length. It cannot end much before its last sample has been heard; it may
// end later on a busy machine, where the audio server or the test itself
// waits for a processor, so the upper bound only catches a player that waits
// for something long after the clip, far beyond what load can add.
inline bool blockedForItsLength(qint64 elapsedMs, qint64 nominalMs)
{
    constexpr qint64 kLateAllowanceMs = 3000;
    return elapsedMs >= nominalMs * 85 / 100 && elapsedMs <= nominalMs + kLateAllowanceMs;
}

// Each clip's length as it is carried, in milliseconds.
constexpr qint64 nominalMs(SoundClip clip)
{
    switch (clip) {
    case SoundClip::SeventhMiss: return 1332;
    case SoundClip::NewTitle: return 1149;
    case SoundClip::RoundLost: return 903;
    case SoundClip::Miss: return 534;
    case SoundClip::RoundWon: return 1617;
    case SoundClip::LetterFound: return 784;
    }
    return 0;
}

// What a busy machine may add to a clip given up after its length and the
// give-up.
inline constexpr qint64 kGivenUpAllowanceMs = 1500;

// Far less than the shortest clip, 534 ms: what returns within it did not
// wait for a clip to play.
inline constexpr qint64 kAtOnceMs = 300;

// What a cue skipped while the player backs off from a silent server may
// cost: it never waits for the server.
inline constexpr qint64 kSkippedMs = 100;

} // namespace velmora

namespace QTest {

template<>
inline char* toString(const velmora::Playback& playback)
{
    switch (playback) {
    case velmora::Playback::Played: return qstrdup("Played");
    case velmora::Playback::Silent: return qstrdup("Silent");
    case velmora::Playback::Lost: return qstrdup("Lost");
    case velmora::Playback::GivenUp: return qstrdup("GivenUp");
    case velmora::Playback::Skipped: return qstrdup("Skipped");
    }
    return qstrdup("?");
}

} // namespace QTest
