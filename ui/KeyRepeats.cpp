// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyRepeats.h"

#include <QKeyEvent>

namespace velmora {

bool KeyRepeats::isRepeat(const QKeyEvent& event)
{
    if (event.type() == QEvent::KeyRelease) {
        releasedKey_ = event.key();
        releasedAt_ = event.timestamp();
        return event.isAutoRepeat();
    }
    // Events made up by the program itself carry no time at all.
    const bool releasedThisInstant =
        event.timestamp() != 0 && event.key() == releasedKey_ && event.timestamp() == releasedAt_;
    return event.isAutoRepeat() || releasedThisInstant;
}

} // namespace velmora
