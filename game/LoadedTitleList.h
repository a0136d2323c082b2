// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TitleList.h"

#include <optional>
#include <string>

namespace velmora {

// A list file read for a player who chose it: the list, named after the
// file, when the file can be used, and what the player is told, in Spanish
// (why the file cannot be used, or which of its lines were refused; empty
// when every line was playable).
struct LoadedTitleList {
    std::optional<TitleList> list;
    std::u32string report;
};

LoadedTitleList loadTitleList(const std::string& path);

} // namespace velmora
