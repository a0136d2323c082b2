// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/AnswerBox.h"

#include <QTextLayout>

namespace velmora {

AnswerBox::AnswerBox(QWidget* parent)
    : QLineEdit(parent)
{
    // The filter holds the box to its length, so that characters it drops
    // from a paste leave room for those it takes.
    setValidator(&filter_);
}

// The line is laid out as the box lays it out, one line in its face, and
// placed by the caret, which the box keeps in view as it scrolls.
QRect AnswerBox::characterArea(int offset) const
{
    const QString shown = displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    QTextLayout layout(shown, font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QRect caret = cursorRect();
    const qreal left = caret.center().x() + line.cursorToX(offset) - line.cursorToX(cursorPosition());
    const qreal right = left + line.cursorToX(offset + 1) - line.cursorToX(offset);
    return QRectF(left, caret.top(), right - left, caret.height()).toAlignedRect();
}

void AnswerBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (onDoubleClick)
        onDoubleClick();
}

} // namespace velmora
