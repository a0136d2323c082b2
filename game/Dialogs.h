// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velmora {

enum class MessageIcon { Information, Question, Warning };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes titled with the game's name. The call returns only when
// the player has answered.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer showMessage(const std::u32string& text, MessageIcon icon,
                                      MessageButtons buttons) = 0;
};

} // namespace velmora
