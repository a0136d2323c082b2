// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velmora {

// What the splash window has to do after a tick of its half-second timer.
enum class SplashAction {
    Repaint,  // the mark, the clapperboard or the banner changed
    HandOver, // create and show the main window, then close the splash
    Nothing,  // the hand-over has already happened
};

// The splash window's sequence, free of any toolkit type so that it can be
// stepped tick by tick: the mark "Q" gains a full stop per tick, the fourth
// tick claps the board shut under the banner, the fifth hands over to the main
// window, and any later tick does nothing, so the hand-over happens once.
class SplashSequence {
public:
    SplashAction tick();

    // Ticks so far.
    int step() const { return splashStep_; }
    // The caption of the maker's mark: "Q" and one full stop per tick, at most four.
    std::string mark() const;
    bool clapperShut() const;
    bool bannerVisible() const;

private:
    static constexpr int shutStep = 4;
    static constexpr int handOverStep = 5;

    int splashStep_ = 0;
};

} // namespace velmora
