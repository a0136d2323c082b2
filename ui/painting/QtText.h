// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

namespace velmora {

// The rules keep their texts as UTF-32; the window shows them as QString.
inline QString qtText(std::u32string_view text)
{
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// A one-character caption; 0 is an empty one.
inline QString qtText(char32_t c)
{
    return c == 0 ? QString() : QString::fromUcs4(&c, 1);
}

} // namespace velmora
