// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundOutput.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace velmora {

// The six clips of the game, each a complete WAV file image exactly as it is
// carried in the program's resources. They are read once, when the bank is
// made, and never change afterwards.
class SoundBank {
public:
    static constexpr int kClipCount = 6;

    // Reads the clips 101 to 106, in that order, from the resources.
    SoundBank();

    const QByteArray& clip(SoundClip clip) const;

    // Where a clip lives among the program's resources, e.g. ":/sounds/101.wav".
    static QString resourcePath(SoundClip clip);

private:
    std::array<QByteArray, kClipCount> buffers_{};
};

} // namespace velmora
