#pragma once

#include <QString>

#include <string_view>

namespace velmora {

// The rules keep text as UTF-32; tests compare it as QString so that a
// failure prints readable text.
inline QString qs(std::u32string_view text)
{
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString qs(char32_t c)
{
    return c == 0 ? QString() : QString::fromUcs4(&c, 1);
}

} // namespace velmora
