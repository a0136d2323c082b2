// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace velmora {

// The game's faces at their point sizes, turned into pixel sizes at 96 dots
// per inch so that text fits its twip-sized boxes on every screen. Everything
// around the game (menus, tooltips, dialogs, help) is written in the
// desktop's font instead.
enum class Face {
    Rounded,   // Velmora Rounded, bold: buttons, board, strike boxes, answer box
    Sans,      // Velmora Sans, unshaped: the score
    ComicBold, // Comic Neue, bold: the figure's eyes
};

// The family that writes a face: the subset carried inside the executable
// (Velmora Rounded, Velmora Sans, Comic Neue), or, in a program built with
// VELMORA_SYSTEM_FONTS, the whole face it was cut from (Quicksand, Carlito,
// Comic Neue).
QString faceFamily(Face face);

// Asking for a face adds the game's three faces, when carried inside the
// executable, the first time: text never falls back to another face, and a
// window that draws no text does not wait for them. The font is upright,
// plain and unstretched, whatever the desktop's font is.
QFont gameFont(Face face, double points);

// The faces of the painted texts a screen reader also places on the screen:
// the score in its band, and the board's letters and the answer line.
inline QFont scoreFont() { return gameFont(Face::Sans, 15.75); }
inline QFont boardFont() { return gameFont(Face::Rounded, 20.25); }
// The face of the window's buttons, which the on-screen keyboard's keys share.
inline QFont buttonFont() { return gameFont(Face::Rounded, 12); }

// Adds the three faces now unless that is done already, for a program that
// would rather not wait for them when it first writes something.
void addGameFaces();

// The font itself if the text fits the width, else the same face made just
// small enough for it to fit.
QFont fittedFont(QFont font, const QString& text, int width);

} // namespace velmora
