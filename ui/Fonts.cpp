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

const QString kPlainFamily = QStringLiteral("Velmora Sans");

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
    QFont font;
    switch (face) {
    case Face::Rounded:
        font.setFamilies(withFallback(QStringLiteral("Velmora Rounded")));
        font.setWeight(QFont::Bold);
        break;
    case Face::Calibri:
        font.setFamilies(withFallback(kPlainFamily));
        break;
    case Face::ComicBold:
        font.setFamilies(withFallback(QStringLiteral("Comic Neue")));
        font.setWeight(QFont::Bold);
        break;
    }
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    return font;
}

QFont interfaceFont(QFont desktopFont)
{
    addGameFaces();
    desktopFont.setFamilies(withFallback(kPlainFamily));
    return desktopFont;
}

QFont fittedFont(QFont font, const QString& text, int width)
{
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance > width)
        font.setPixelSize(font.pixelSize() * width / advance);
    return font;
}

} // namespace velmora
