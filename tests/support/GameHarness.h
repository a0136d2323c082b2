// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Game.h"
#include "GameFakes.h"
#include "VirtualClock.h"

#include <functional>
#include <string>

namespace velmora {

// A loaded game with fake side effects and a virtual clock, as the window
// leaves it after loading.
struct GameHarness {
    GameHarness();

    // Starts a round on the given catalogue title (it must be in the catalogue).
    void startRound(std::u32string_view title);

    // Types the keys of a text, one key event each, as if the window had the
    // focus.
    void type(std::u32string_view keys);

    // Types a text into the open answer box through its key filter.
    void typeInAnswerBox(std::u32string_view keys);

    // Opens the answer box, types a phrase and presses Enter; the fake
    // message boxes answer the confirmation.
    void answer(std::u32string_view phrase);

    // Types the first `misses` letters that are not in the title; letters
    // already typed come again as repeats.
    void miss(int misses);

    // Types every letter of the title once, which wins the round.
    void revealAll();

    // The letters not in the current title, in a fixed order.
    std::u32string lettersNotInTitle() const;

    const WindowControls& controls() const { return game.controls(); }
    const RoundState& round() const { return game.round(); }

    FakeDialogs dialogs;
    FakeFocus focus;
    ScriptedRandom random;
    RecordingSound sound;
    VirtualClock clock;
    Game game{{dialogs, focus, random, sound, clock}};
};

// The first catalogue title that satisfies a condition.
std::u32string findTitle(const std::function<bool(std::u32string_view)>& condition);

// Characters of a title that are not spaces.
int lettersOf(std::u32string_view title);

// Test output for u32 strings.
std::string toUtf8(std::u32string_view text);

} // namespace velmora
