// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Where the splash window's parts lie, in pixels at 96 dots per inch (their
// twips divided by 15). The drawing tool lays the title picture out by the
// same boxes, so that the word and the mark sit where the window expects them.
namespace velmora::splash {

inline constexpr QSize clientSize{233, 225};
inline constexpr QRect image1Box{0, 0, 233, 217};
inline constexpr QRect lblWordBox{120, 112, 99, 42};
inline constexpr QRect lblLoadBox{120, 144, 99, 49};
inline constexpr QRect lblLeyendBox{8, 8, 217, 33};

// The size of the maker's mark, in points of the rounded face: its letter is
// part of the title picture, its full stops are written after it.
inline constexpr double markPoints = 36;

} // namespace velmora::splash
