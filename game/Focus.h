// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// The places the rules move the keyboard focus to.
enum class FocusTarget {
    cmdGame, // the play button
    txtWord, // the answer box
    Form,    // the window itself, when the play button cannot take the focus
};

class Focus {
public:
    virtual ~Focus() = default;
    virtual void setFocus(FocusTarget target) = 0;
};

} // namespace velmora
