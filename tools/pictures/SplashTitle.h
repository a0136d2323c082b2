// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace velmora {

// The splash window's title, the size of the window (times the scale it is
// drawn for) and transparent but for the product word "VELMORA" in the
// game's sans face, fitted to its box, and the letter "Q" of the maker's
// mark in the rounded face, both white. The window draws it over the black
// body of the clapperboard and writes the mark's full stops after the letter.
// The game's faces must be loadable, else it returns a null image.
QImage drawSplashTitle(double scale);

} // namespace velmora
