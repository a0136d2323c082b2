// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/AnswerBoxAccessible.h"

#include "input/AnswerBox.h"
#include "screenreader/AccessibleRegistry.h"

namespace velmora {

namespace {

QAccessibleInterface* answerBoxInterface(QObject* object)
{
    return object->isWidgetType() ? new AnswerBoxAccessible(static_cast<AnswerBox*>(object)) : nullptr;
}

} // namespace

AnswerBoxAccessible::AnswerBoxAccessible(AnswerBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

void AnswerBoxAccessible::install()
{
    accessible::provide<AnswerBox>(answerBoxInterface);
}

AnswerBox& AnswerBoxAccessible::box() const
{
    return *static_cast<AnswerBox*>(widget());
}

void* AnswerBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AnswerBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box().isReadOnly();
    state.readOnly = box().isReadOnly();
    state.selectableText = true;
    return state;
}

QString AnswerBoxAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return box().text();
    return QAccessibleWidget::text(type);
}

void AnswerBoxAccessible::setText(QAccessible::Text type, const QString& text)
{
    // Only the answer is written: the name and description are the window's.
    if (type != QAccessible::Value)
        return;
    box().selectAll();
    box().insert(text);
}

void AnswerBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && box().hasSelectedText()) {
        *startOffset = box().selectionStart();
        *endOffset = box().selectionEnd();
    }
}

int AnswerBoxAccessible::selectionCount() const
{
    return box().hasSelectedText() ? 1 : 0;
}

void AnswerBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AnswerBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box().deselect();
}

void AnswerBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box().setSelection(startOffset, endOffset - startOffset);
}

int AnswerBoxAccessible::cursorPosition() const
{
    return box().cursorPosition();
}

void AnswerBoxAccessible::setCursorPosition(int position)
{
    box().setCursorPosition(position);
}

QString AnswerBoxAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return box().text().mid(startOffset, endOffset - startOffset);
}

int AnswerBoxAccessible::characterCount() const
{
    return static_cast<int>(box().text().size());
}

QRect AnswerBoxAccessible::characterRect(int offset) const
{
    const QRect area = box().characterArea(offset);
    return area.isEmpty() ? QRect() : area.translated(box().mapToGlobal(QPoint(0, 0)));
}

int AnswerBoxAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint inside = box().mapFromGlobal(point);
    return box().rect().contains(inside) ? box().cursorPositionAt(inside) : -1;
}

void AnswerBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    box().setCursorPosition(endIndex);
    box().setCursorPosition(startIndex);
}

// One run over the whole line, in the box's one face and colour.
QString AnswerBoxAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void AnswerBoxAccessible::deleteText(int startOffset, int endOffset)
{
    box().setSelection(startOffset, endOffset - startOffset);
    box().del();
}

void AnswerBoxAccessible::insertText(int offset, const QString& text)
{
    box().setCursorPosition(offset);
    box().insert(text);
}

void AnswerBoxAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    box().setSelection(startOffset, endOffset - startOffset);
    box().insert(text);
}

} // namespace velmora
