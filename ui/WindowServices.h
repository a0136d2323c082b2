// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"
#include "SoundOutput.h"

#include <functional>
#include <memory>

namespace velmora {

class HelpMenu;

// What the main window is given from outside: the sound bank's loader (called
// while the window loads), the random source of the draws and the Help menu.
struct WindowServices {
    std::function<std::unique_ptr<SoundOutput>()> loadSounds;
    std::unique_ptr<RandomSource> random;
    HelpMenu* help = nullptr; // not owned; outlives the window
};

} // namespace velmora
