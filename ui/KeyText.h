// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QInputMethodEvent;
class QKeyEvent;
class QWidget;

namespace velmora {

// Whether a key types text. Keys that edit, move or do nothing type none;
// under X11 the Delete key nevertheless carries the character DEL (0x7F) as
// its text, and it is told apart here.
bool typesText(const QKeyEvent& event);

// The single-byte (Latin-1) character code a key event types, or -1 when it
// types nothing or a character outside Latin-1.
int latin1KeyCode(const QKeyEvent& event);

// Lets a widget that takes keys take the text of the compose key and of input
// methods too. Without it the desktop's input method never sees the widget's
// keys: a dead tilde then "n" reaches it as a plain "n", and an input method
// cannot type into it at all. With it, such text arrives as an input method
// event, for `deliverCommittedText`.
void takeComposedText(QWidget& widget);

// Hands the text an input method event commits to a widget's key handler one
// character at a time, as its Latin-1 code, exactly as if each character had
// been typed; characters outside Latin-1 are left out, as typed ones are. When
// a character moves the keyboard focus ("!" opens the answer box), the rest
// of the text goes on to the widget that now has the focus, as typing would.
void deliverCommittedText(QInputMethodEvent& event, const std::function<void(int)>& onKeyCode);

} // namespace velmora
