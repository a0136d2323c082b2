// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowControls.h"

#include <QString>

#include <vector>

// What a screen reader says for the parts of the window that are painted
// rather than built from widgets, in Spanish, from the same state the
// window paints. Each text is meant to be heard, so it spells out what a
// sighted player reads at a glance.
namespace velmora::spoken {

// The word a screen reader says for a letter that is still hidden.
inline const QString kHiddenLetter = QStringLiteral("guion");

// Where a text's characters lie: for each character, the number of the cell
// or strike box it tells about, or 0 for the whole part.
using Places = std::vector<int>;

// How the score and the strike boxes are named when read.
inline const QString kScoreLabel = QStringLiteral("Puntuación: ");

// The board word by word, words separated by a comma and the letters of a
// word by a space, each hidden letter said as kHiddenLetter and each
// revealed one as itself; a count of the words comes first. "Vacío" while no
// title is laid out. Each character's cell goes into `places` if given; the
// count and the separators belong to the cell after them.
QString boardText(const WindowControls& controls, Places* places = nullptr);

// The characters in the strike boxes, in box order, after their name and how
// many of the eight are used; the eight boxes of a wrong whole-title answer are said as
// the one word they spell. While the boxes flash for a letter typed again,
// that is said after them. Each character's box goes into `places` if given.
QString strikesText(const WindowControls& controls, Places* places = nullptr);

// The score exactly as the score band shows it, after its name.
QString scoreText(const WindowControls& controls);

// How many of the eight misses the figure shows, and whether it is
// frightened or hanged.
QString figureText(const WindowControls& controls);

// How many words the board holds and how long each is, as "3 palabras: 2, 2
// y 4 letras".
QString wordLengths(const WindowControls& controls);

// Where the letters revealed between two states of a round's board lie, word
// by word: "palabra 1, letra 2; palabra 3, letras 2 y 4".
QString revealedPlaces(const WindowControls& before, const WindowControls& after);

// Whether the strike boxes spell the word a wrong whole-title answer writes
// into them, one character a box.
bool deathWordShown(const WindowControls& controls);

// The title the answer line shows after a lost round, without its "R: "
// prefix; empty while the line is hidden.
QString answerText(const WindowControls& controls);

} // namespace velmora::spoken
