#pragma once

#include <QFont>

// The game's faces at their point sizes, turned into pixel sizes at 96 dots
// per inch so that text fits its twip-sized boxes on every screen.
enum class Face { Rounded, Calibri, ComicBold };

QFont gameFont(Face face, double points);
