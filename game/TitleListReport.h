// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TitleListFile.h"

#include <string>
#include <string_view>

namespace velmora {

// What the player is told after choosing the list file `name`, in Spanish:
// why it cannot be used, or how many titles it gave and which lines were
// refused, with their numbers and reasons (the first ten, then how many
// more), and that a list of one title plays it every round. Empty when
// every line of a usable file was playable and gave more than one title.
std::u32string titleListReport(std::u32string_view name, const TitleListReading& reading);

} // namespace velmora
