#pragma once

class QKeyEvent;

// The single-byte (Latin-1) character code a key event types, or -1 when it
// types nothing or a character outside Latin-1. Dead keys arrive here already
// composed, so "´" then "a" gives 225.
int latin1KeyCode(const QKeyEvent& event);
