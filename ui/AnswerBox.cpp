// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerBox.h"

#include "KeyCodes.h"
#include "KeyText.h"

#include <QKeyEvent>

namespace velmora {

namespace {

// A key whose text is a control character other than Backspace types
// nothing: it is a shortcut such as Ctrl+V, or a key the box ignores.
bool typesCharacter(int code)
{
    return code == '\b' || (code >= 0x20 && code != 0x7F);
}

} // namespace

AnswerBox::AnswerBox(QWidget* parent)
    : QLineEdit(parent)
{
    // The filter holds the box to its length, so that characters it drops
    // from a paste leave room for those it takes.
    setValidator(&filter_);
}

void AnswerBox::keyPressEvent(QKeyEvent* event)
{
    const int code = latin1KeyCode(*event);
    if (code == kKeyEnter) {
        // Enter is handled by the filter, only when freshly pressed; the box
        // itself does nothing with it, and it must not reach the window
        // either.
        if (!repeats_.isRepeat(*event) && keyFilter)
            keyFilter(code);
        event->accept();
        return;
    }
    if (code < 0 || !typesCharacter(code)) {
        // Delete, the arrows, Home and End edit as usual; Ctrl+V pastes
        // through the filter.
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!keyFilter || keyFilter(code) == 0) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::keyReleaseEvent(QKeyEvent* event)
{
    repeats_.released(*event);
    QLineEdit::keyReleaseEvent(event);
}

void AnswerBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (onDoubleClick)
        onDoubleClick();
}

} // namespace velmora
