// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"
#include "Focus.h"
#include "RandomSource.h"
#include "SoundOutput.h"

#include <deque>
#include <random>
#include <string>
#include <vector>

namespace velmora {

// Message boxes that record what was shown and answer from a script (Yes to
// every question when the script is empty).
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        std::u32string text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer showMessage(const std::u32string& text, MessageIcon icon, MessageButtons buttons) override;

    std::deque<MessageAnswer> answers;
    std::vector<Shown> shown;
};

class FakeFocus final : public Focus {
public:
    void setFocus(FocusTarget target) override { moves.push_back(target); }
    std::vector<FocusTarget> moves;
};

// Plays nothing and remembers which clips were asked for, in order.
class RecordingSound final : public SoundOutput {
public:
    void play(SoundClip clip) override { played.push_back(clip); }
    std::vector<SoundClip> played;
};

// Draws from a queue of scripted values first, then from a generator with a
// fixed seed, so every test run draws the same titles.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(unsigned seed = 1) : generator_(seed) {}
    double uniform() override;

    // Queues the two draws that pick the given group (1-25) and slot (0-19),
    // or the group and slot of a catalogue title.
    void queueTitle(int group, int slot);
    void queueTitle(std::u32string_view title);

    std::deque<double> values;

private:
    std::mt19937_64 generator_;
};

} // namespace velmora
