// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QKeyEvent;

namespace velmora {

// Tells the repeats of a held key from fresh presses, among the key events
// one widget (or one window) receives. Qt marks a repeat as such, except one:
// under X11 the keyboard repeats a held key as a release and a press at the
// same instant, and the first such pair to reach a window that has just
// taken the focus comes unmarked. A press of the key released at that very
// instant is a repeat too: no finger lifts and presses a key again within
// the same millisecond.
class KeyRepeats {
public:
    // Give it every key release the widget (or window) receives, in order
    // with the presses, so that it knows which key was let go and when.
    void released(const QKeyEvent& release);

    // Whether a key press or shortcut override repeats a held key.
    bool isRepeat(const QKeyEvent& press) const;

private:
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;
};

} // namespace velmora
