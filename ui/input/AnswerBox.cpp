// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/AnswerBox.h"

namespace velmora {

AnswerBox::AnswerBox(QWidget* parent)
    : QLineEdit(parent)
{
    // The filter holds the box to its length, so that characters it drops
    // from a paste leave room for those it takes.
    setValidator(&filter_);
}

void AnswerBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (onDoubleClick)
        onDoubleClick();
}

} // namespace velmora
