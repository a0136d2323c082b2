// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowControls.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace velmora {

class OnScreenKey;

// What a letter or digit key tells of its character in the round: not tried
// yet, tried and found in the title, or tried and missed.
enum class KeyMark { Fresh, Hit, Miss };

// The mark of a character, read from what the window shows: the used letters,
// and the revealed board cells that hold it.
KeyMark keyMark(char32_t character, const WindowControls& controls);

// The keys of the game under its surface, for a player with a mouse or a
// finger: the letters A to Z with Ñ in alphabetical order, the ten digits, a
// key that opens the answer box and, for typing into the box, the space,
// Backspace and Enter. A key types its character as the keyboard would
// (`onType`); it never takes the keyboard focus from the game. A letter or
// digit already tried shows by its mark whether it was found and does nothing
// more in the round, unless the answer box is open to type into.
class OnScreenKeyboard final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 132;

    explicit OnScreenKeyboard(QWidget* parent = nullptr);
    ~OnScreenKeyboard() override;

    // Shows on each key what the state says of it.
    void showState(const WindowControls& controls);

    // A key was pressed: the character it types, lower case as an unshifted
    // keyboard types it ('\b' for Backspace, '\r' for Enter).
    std::function<void(char32_t)> onType;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    OnScreenKey* addKey(char32_t character, int row, int column, int span = 1);

    std::vector<OnScreenKey*> characterKeys_; // letters and digits
    OnScreenKey* answerKey_ = nullptr;
    std::vector<OnScreenKey*> typingKeys_; // space and Backspace
};

} // namespace velmora
