// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "painting/PictureScales.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <utility>

// The game's pictures as the pictures tests find them among the resources.
namespace velmora::test {

// The pictures, each drawn for every scale, with their plain sizes.
inline const std::array<std::pair<const char *, QSize>, 6> kPictures{{
    {"filmstrip", {388, 79}},
    {"speaker-on", {20, 16}},
    {"speaker-off", {20, 16}},
    {"clapper-open", {272, 257}},
    {"clapper-shut", {272, 257}},
    {"splash-title", {233, 225}},
}};

// A picture as the program carries it, drawn for a scale.
inline QImage picture(const char *name, double scale)
{
    return QImage(QStringLiteral(":/pictures/") + pictures::fileName(QString::fromLatin1(name), scale));
}

} // namespace velmora::test
