#include "Fonts.h"

#include <QFontMetrics>
#include <QStringList>

#include <cmath>

namespace velmora {

QFont gameFont(Face face, double points)
{
    QFont font;
    switch (face) {
    case Face::Rounded:
        font.setFamilies({QStringLiteral("Quicksand"), QStringLiteral("DejaVu Sans")});
        font.setWeight(QFont::Bold);
        break;
    case Face::Calibri:
        font.setFamilies({QStringLiteral("Carlito"), QStringLiteral("DejaVu Sans")});
        break;
    case Face::ComicBold:
        font.setFamilies({QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
        font.setWeight(QFont::Bold);
        break;
    }
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    return font;
}

QFont fittedFont(QFont font, const QString& text, int width)
{
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance > width)
        font.setPixelSize(font.pixelSize() * width / advance);
    return font;
}

} // namespace velmora
