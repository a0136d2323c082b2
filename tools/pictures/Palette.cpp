// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palette.h"

#include <limits>

namespace velmora {

namespace {

int distance(QRgb a, QRgb b)
{
    // Green counts most and blue least, roughly as the eye weighs them.
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int nearest(QRgb colour, const QList<QRgb> &palette)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int d = distance(colour, palette[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace

QList<QRgb> standardPalette16()
{
    return {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
}

QList<QRgb> standardPalette256()
{
    QList<QRgb> palette = standardPalette16();
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(51 * r, 51 * g, 51 * b));
        }
    }
    for (int i = 0; i < 24; ++i) {
        const int level = 8 + 10 * i;
        palette.append(qRgb(level, level, level));
    }
    return palette;
}

QImage quantize(const QImage &image, const QList<QRgb> &palette)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            const int index = qAlpha(pixel) < 128 ? 0 : nearest(qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)), palette);
            indexed.setPixel(x, y, static_cast<uint>(index));
        }
    }
    return indexed;
}

} // namespace velmora
