// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"

#include <functional>

class QWidget;

namespace velmora {

// The rules' message boxes as modal Qt message boxes titled "Velmora", with
// "Sí" as the question's default button. They take only fresh key presses
// (or clicks): a key held down since before a box appeared answers nothing.
// `beforeShow` lets the window show the state the rules reached before the
// box appears over it.
class QtDialogs final : public Dialogs {
public:
    QtDialogs(QWidget* parent, std::function<void()> beforeShow)
        : parent_(parent)
        , beforeShow_(std::move(beforeShow))
    {
    }

    MessageAnswer showMessage(const std::u32string& text, MessageIcon icon, MessageButtons buttons) override;

private:
    QWidget* parent_ = nullptr;
    std::function<void()> beforeShow_;
};

} // namespace velmora
