// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/KeyRepeats.h"

#include <QKeyEvent>

namespace velmora {

void KeyRepeats::released(const QKeyEvent& release)
{
    releasedKey_ = release.key();
    releasedAt_ = release.timestamp();
}

bool KeyRepeats::isRepeat(const QKeyEvent& press) const
{
    // Events made up by the program itself carry no time at all.
    const bool releasedThisInstant =
        press.timestamp() != 0 && press.key() == releasedKey_ && press.timestamp() == releasedAt_;
    return press.isAutoRepeat() || releasedThisInstant;
}

} // namespace velmora
