// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velmora {

// Plain decimal digits of a number, with a minus sign when negative and no
// separators, as captions show numbers.
std::u32string decimalText(long long value);

} // namespace velmora
