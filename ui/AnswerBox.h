// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnswerFilter.h"
#include "KeyRepeats.h"

#include <QLineEdit>

#include <functional>

namespace velmora {

// The single-line answer box. Each typed character is offered to a filter as
// a Latin-1 code first: 0 discards it, anything else lets the box take it.
// Enter is offered too, but only when freshly pressed: a held Enter's
// repeats decide nothing. Editing keys and shortcuts (Ctrl+V among them) are
// the box's own. Whatever else changes the text, a paste, a drop or an input
// method, passes the box's AnswerFilter, which takes what a player could
// have typed, as typed, and drops the rest as it arrives; the box holds at
// most 42 characters.
class AnswerBox : public QLineEdit {
    Q_OBJECT

public:
    explicit AnswerBox(QWidget* parent = nullptr);

    std::function<int(int)> keyFilter;
    std::function<void()> onDoubleClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    AnswerFilter filter_{};
    KeyRepeats repeats_{};
};

} // namespace velmora
