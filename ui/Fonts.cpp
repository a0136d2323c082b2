// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QResource>
#include <QStringList>

#include <cmath>
#include <mutex>

namespace velmora {

namespace {

void addFace(const char* path)
{
    // The faces are stored uncompressed inside the program and used in place
    // rather than copied.
    const QResource face(QString::fromLatin1(path));
    QFontDatabase::addApplicationFontFromData(
        QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()), face.size()));
}

// A face, then the one text falls back to for a character the game's faces
// lack.
QStringList withFallback(const QString& family)
{
    return {family, QStringLiteral("DejaVu Sans")};
}

} // namespace

void addGameFaces()
{
    static std::once_flag added;
    std::call_once(added, [] {
        addFace(":/fonts/VelmoraRounded-Bold.ttf");
        addFace(":/fonts/VelmoraSans-Regular.ttf");
        addFace(":/fonts/ComicNeue-Bold.otf");
    });
}

QFont gameFont(Face face, double points)
{
    addGameFaces();
    // Every property that shapes the letters is set, so that none comes from
    // the desktop's font, which a widget's or a painter's font is completed
    // from.
    QFont font;
    font.setStyleName(QString());
    font.setStyle(QFont::StyleNormal);
    font.setWeight(QFont::Normal);
    font.setStretch(QFont::Unstretched);
    font.setUnderline(false);
    font.setOverline(false);
    font.setStrikeOut(false);
    font.setCapitalization(QFont::MixedCase);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    font.setWordSpacing(0);
    switch (face) {
    case Face::Rounded:
        font.setFamilies(withFallback(QStringLiteral("Velmora Rounded")));
        font.setWeight(QFont::Bold);
        break;
    case Face::Sans:
        font.setFamilies(withFallback(QStringLiteral("Velmora Sans")));
        break;
    case Face::ComicBold:
        font.setFamilies(withFallback(QStringLiteral("Comic Neue")));
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
