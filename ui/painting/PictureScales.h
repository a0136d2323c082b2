// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

#include <array>
#include <cmath>

// The screen scales the game's pictures are drawn for, shared by the drawing
// tool that makes them and the windows that show them.
namespace velmora::pictures {

// The scales, smallest first. A picture drawn for a scale has that many
// times the pixels of the plain one in each direction, so that a window
// painting it at that device pixel ratio shows it pixel for pixel.
inline constexpr std::array kScales{1.0, 1.5, 2.0, 3.0};

// The pixel size of a picture drawn for a scale: the plain size times the
// scale, rounded up so that nothing of the drawing is cut off.
inline QSize scaledSize(QSize plain, double scale)
{
    return {static_cast<int>(std::ceil(plain.width() * scale)), static_cast<int>(std::ceil(plain.height() * scale))};
}

// The file of a picture drawn for a scale: "filmstrip.png" for the plain one,
// "filmstrip@1.5x.png", "filmstrip@2x.png" and so on for the others.
inline QString fileName(const QString& name, double scale)
{
    if (scale == 1.0)
        return name + QStringLiteral(".png");
    return QStringLiteral("%1@%2x.png").arg(name, QString::number(scale));
}

// The scale whose drawing suits a device pixel ratio: the smallest that is at
// least the ratio, so that a picture is only ever scaled down on the screen;
// above the largest scale, the largest.
inline double scaleFor(double devicePixelRatio)
{
    // A ratio computed from a screen's dots per inch may miss a scale by a hair.
    constexpr double slack = 1.0 / 64;
    for (const double scale : kScales) {
        if (devicePixelRatio <= scale + slack)
            return scale;
    }
    return kScales.back();
}

} // namespace velmora::pictures
