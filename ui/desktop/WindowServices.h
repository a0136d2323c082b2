// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"
#include "SoundOutput.h"
#include "TitleList.h"

#include <functional>
#include <memory>
#include <optional>

namespace velmora {

class HelpMenu;

// What the main window is given from outside: the sound bank's loader (called
// while the window loads), the random source of the draws, the Help menu and
// the player's own list of titles, if the game starts with one, and whether it
// starts with the on-screen keyboard shown.
struct WindowServices {
    std::function<std::unique_ptr<SoundOutput>()> loadSounds;
    std::unique_ptr<RandomSource> random;
    HelpMenu* help = nullptr; // not owned; outlives the window
    std::optional<TitleList> titles;
    bool onScreenKeyboard = false;
};

} // namespace velmora
