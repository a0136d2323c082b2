// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/AnswerFilter.h"

#include <QLineEdit>

#include <functional>

namespace velmora {

// The single-line answer box. Its typed keys are the key road's (KeyRoad),
// which asks the rules about each; editing keys and shortcuts (Ctrl+V among
// them) are the box's own. Whatever changes the text, a typed key, a paste, a
// drop or an input method, passes the box's AnswerFilter, which takes what a
// player could have typed, as typed, and drops the rest as it arrives; the
// box holds at most 42 characters.
class AnswerBox : public QLineEdit {
    Q_OBJECT

public:
    explicit AnswerBox(QWidget* parent = nullptr);

    std::function<void()> onDoubleClick;

    // Where the character at `offset` is drawn, in the box's own
    // coordinates; empty past the text's end.
    QRect characterArea(int offset) const;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    AnswerFilter filter_{};
};

} // namespace velmora
