// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLineF>
#include <QRect>

#include <cstdint>

namespace velmora {

// The window's layout is kept in twips, 15 to a pixel at 96 dots per inch.
// Edges are rounded to whole pixels, so neighbouring controls meet exactly.
inline int px(int twips)
{
    return (twips + 7) / 15;
}

inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
}

inline QLineF twipLine(int x1, int y1, int x2, int y2)
{
    return QLineF(px(x1), px(y1), px(x2), px(y2));
}

// Colours are written as 0x00BBGGRR values.
inline QColor bgr(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace velmora
