// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowControls.h"

#include <algorithm>

namespace velmora {

int WindowControls::filledStrikeBoxes() const
{
    return static_cast<int>(std::count_if(lblStrike.begin(), lblStrike.end(),
                                          [](const StrikeBox& box) { return box.Caption != 0; }));
}

} // namespace velmora
