// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SplashSequence.h"

#include <algorithm>

namespace velmora {

SplashAction SplashSequence::tick()
{
    ++splashStep_;
    if (splashStep_ < handOverStep)
        return SplashAction::Repaint;
    if (splashStep_ == handOverStep)
        return SplashAction::HandOver;
    return SplashAction::Nothing;
}

std::string SplashSequence::mark() const
{
    // The fifth tick leaves the fourth tick's picture on the screen while the
    // main window loads, so the mark never shows more than four full stops.
    return "Q" + std::string(static_cast<std::size_t>(std::min(splashStep_, shutStep)), '.');
}

bool SplashSequence::clapperShut() const
{
    return splashStep_ >= shutStep;
}

bool SplashSequence::bannerVisible() const
{
    return splashStep_ >= shutStep;
}

} // namespace velmora
