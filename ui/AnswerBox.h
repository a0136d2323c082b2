// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include <functional>

namespace velmora {

// The single-line answer box. Each typed character is offered to a filter as
// a Latin-1 code first: 0 discards it, anything else lets the box take it.
// Text composed by an input method is filtered the same way, one character
// at a time.
class AnswerBox : public QLineEdit {
    Q_OBJECT

public:
    explicit AnswerBox(QWidget* parent = nullptr);

    std::function<int(int)> keyFilter;
    std::function<void()> onDoubleClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace velmora
