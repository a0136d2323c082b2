// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerBox.h"

#include "KeyText.h"

#include <QKeyEvent>

namespace velmora {

AnswerBox::AnswerBox(QWidget* parent)
    : QLineEdit(parent)
{
}

void AnswerBox::keyPressEvent(QKeyEvent* event)
{
    if (!typesText(*event)) {
        // Delete, the arrows, Home and End edit as usual.
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int code = latin1KeyCode(*event);
    const int taken = code >= 0 && keyFilter ? keyFilter(code) : 0;
    if (code == '\r') {
        // Enter has been handled by the filter; the box itself does nothing
        // with it, and it must not reach the window either.
        event->accept();
        return;
    }
    if (taken == 0) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::inputMethodEvent(QInputMethodEvent* event)
{
    QString accepted;
    for (QChar c : event->commitString()) {
        const int code = c.unicode() <= 0xFF ? c.unicode() : -1;
        if (code >= 0 && keyFilter && keyFilter(code) != 0)
            accepted += c;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void AnswerBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (onDoubleClick)
        onDoubleClick();
}

} // namespace velmora
