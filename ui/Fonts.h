#pragma once

#include <QFont>

namespace velmora {

// The game's faces at their point sizes, turned into pixel sizes at 96 dots
// per inch so that text fits its twip-sized boxes on every screen.
enum class Face { Rounded, Calibri, ComicBold };

QFont gameFont(Face face, double points);

// The font itself if the text fits the width, else the same face made just
// small enough for it to fit.
QFont fittedFont(QFont font, const QString& text, int width);

} // namespace velmora
