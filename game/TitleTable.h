// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace velmora {

inline constexpr int kGroupCount = 25;
inline constexpr int kTitlesPerGroup = 20;

using TitleGroup = std::array<std::u32string_view, kTitlesPerGroup>;

// The 500 film titles the rounds are played on, in 25 groups of 20, as
// Spanish-speaking audiences know them: upper case, A-Z, Ñ, digits and single
// spaces. UTF-32 keeps one array element per character, so lengths and board
// positions count Ñ as one character.
extern const std::array<TitleGroup, kGroupCount> kTitleTable;

} // namespace velmora
