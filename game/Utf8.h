// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Strict UTF-8, as the standard defines it: no overlong forms, no surrogates,
// nothing above U+10FFFF. Returns the characters, or nothing when any byte
// sequence is not UTF-8.
std::optional<std::u32string> decodeUtf8(std::string_view bytes);

// The same, but every byte that does not belong to a well-formed sequence
// becomes U+FFFD; for names the system gives, which need not be UTF-8.
std::u32string decodeUtf8Lossy(std::string_view bytes);

// UTF-8 of the characters; anything that is not a character (a surrogate, a
// value above U+10FFFF) is written as U+FFFD.
std::string encodeUtf8(std::u32string_view text);

} // namespace velmora
