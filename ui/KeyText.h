// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

namespace velmora {

// Whether a key types text. Keys that edit, move or do nothing type none;
// under X11 the Delete key nevertheless carries the character DEL (0x7F) as
// its text, and it is told apart here.
bool typesText(const QKeyEvent& event);

// The single-byte (Latin-1) character code a key event types, or -1 when it
// types nothing or a character outside Latin-1. Dead keys arrive here already
// composed, so "´" then "a" gives 225.
int latin1KeyCode(const QKeyEvent& event);

} // namespace velmora
