// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "painting/Fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QResource>
#include <QStringList>

#include <cmath>
#include <mutex>

// The families of the faces carried inside the program, unless it is built
// to write with the system's whole faces (VELMORA_SYSTEM_FONTS).
#ifndef VELMORA_FACE_ROUNDED
#define VELMORA_FACE_ROUNDED "Velmora Rounded"
#define VELMORA_FACE_SANS "Velmora Sans"
#define VELMORA_FACE_COMIC "Comic Neue"
#endif

namespace velmora {

namespace {

void addFace(const QString& path)
{
    // The faces are stored uncompressed inside the program and used in place
    // rather than copied.
    const QResource face(path);
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
        // A program built to write with the system's faces carries none:
        // fontconfig finds those.
        const QDir faces(QStringLiteral(":/fonts"));
        for (const QString& name : faces.entryList(QDir::Files))
            addFace(faces.filePath(name));
    });
}

QString faceFamily(Face face)
{
    switch (face) {
    case Face::Rounded:
        return QStringLiteral(VELMORA_FACE_ROUNDED);
    case Face::Sans:
        return QStringLiteral(VELMORA_FACE_SANS);
    case Face::ComicBold:
        return QStringLiteral(VELMORA_FACE_COMIC);
    }
    return {};
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
    font.setFamilies(withFallback(faceFamily(face)));
    if (face == Face::Sans) {
        // The plain sans writes the score's digits, and the product word in
        // the splash's title picture: the face kerns none of their pairs, so
        // shaping would place each character where it stands anyway, only
        // having HarfBuzz copy the whole face's positioning tables into
        // memory first.
        font.setStyleStrategy(QFont::PreferNoShaping);
    } else {
        font.setWeight(QFont::Bold);
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
