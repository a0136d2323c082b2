// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace velmora {

enum class SpeakerState { On, Off };

// The 20 x 16 picture of the sound button, or as many times larger as the
// scale says: a grey loudspeaker seen from the side, with green sound waves
// when on and a red stroke across it when off. The background is
// transparent, as the button behind it is white.
QImage drawSpeaker(SpeakerState state, double scale);

} // namespace velmora
