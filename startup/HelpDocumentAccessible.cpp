// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpDocumentAccessible.h"

#include "screenreader/AccessibleRegistry.h"

#include <QFontMetrics>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace velmora {

namespace {

QAccessibleInterface* documentInterface(QObject* object)
{
    auto* browser = qobject_cast<QTextBrowser*>(object);
    return browser != nullptr ? new HelpDocumentAccessible(browser) : nullptr;
}

} // namespace

HelpDocumentAccessible::HelpDocumentAccessible(QTextBrowser* browser)
    : QAccessibleWidget(browser, QAccessible::Document)
{
}

void HelpDocumentAccessible::attach(QTextBrowser& browser)
{
    accessible::provide(browser.metaObject()->className(), documentInterface);
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&browser);
    if (made != nullptr && dynamic_cast<HelpDocumentAccessible*>(made) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QTextBrowser* HelpDocumentAccessible::browser() const
{
    return static_cast<QTextBrowser*>(widget());
}

QAccessible::State HelpDocumentAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void* HelpDocumentAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QTextCursor HelpDocumentAccessible::cursorAt(int offset) const
{
    QTextCursor cursor(browser()->document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    return cursor;
}

QString HelpDocumentAccessible::between(int start, int end) const
{
    QTextCursor cursor = cursorAt(start);
    cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void HelpDocumentAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const QTextCursor cursor = browser()->textCursor();
    *startOffset = selectionIndex == 0 && cursor.hasSelection() ? cursor.selectionStart() : 0;
    *endOffset = selectionIndex == 0 && cursor.hasSelection() ? cursor.selectionEnd() : 0;
}

int HelpDocumentAccessible::selectionCount() const
{
    return browser()->textCursor().hasSelection() ? 1 : 0;
}

void HelpDocumentAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void HelpDocumentAccessible::removeSelection(int)
{
    QTextCursor cursor = browser()->textCursor();
    cursor.clearSelection();
    browser()->setTextCursor(cursor);
}

void HelpDocumentAccessible::setSelection(int, int startOffset, int endOffset)
{
    QTextCursor cursor = cursorAt(startOffset);
    cursor.setPosition(std::clamp(endOffset, 0, characterCount()), QTextCursor::KeepAnchor);
    browser()->setTextCursor(cursor);
}

int HelpDocumentAccessible::cursorPosition() const
{
    return browser()->textCursor().position();
}

void HelpDocumentAccessible::setCursorPosition(int position)
{
    browser()->setTextCursor(cursorAt(position));
}

QString HelpDocumentAccessible::text(int startOffset, int endOffset) const
{
    return between(startOffset, endOffset);
}

QString HelpDocumentAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const
{
    const auto [start, end] = QAccessible::qAccessibleTextBoundaryHelper(cursorAt(offset), boundaryType);
    *startOffset = start;
    *endOffset = end;
    return between(start, end);
}

QString HelpDocumentAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                 int* startOffset, int* endOffset) const
{
    const int start = QAccessible::qAccessibleTextBoundaryHelper(cursorAt(offset), boundaryType).first;
    if (start <= 0) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString HelpDocumentAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                int* startOffset, int* endOffset) const
{
    const int end = QAccessible::qAccessibleTextBoundaryHelper(cursorAt(offset), boundaryType).second;
    if (end >= characterCount()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return textAtOffset(end, boundaryType, startOffset, endOffset);
}

int HelpDocumentAccessible::characterCount() const
{
    // The document always ends in one paragraph separator of its own.
    return browser()->document()->characterCount() - 1;
}

QRect HelpDocumentAccessible::characterRect(int offset) const
{
    const QTextCursor cursor = cursorAt(offset);
    const QRect caret = browser()->cursorRect(cursor);
    const QChar character = browser()->document()->characterAt(cursor.position());
    const int width = QFontMetrics(cursor.charFormat().font()).horizontalAdvance(character);
    return QRect(browser()->viewport()->mapToGlobal(caret.topLeft()), QSize(std::max(width, 1), caret.height()));
}

int HelpDocumentAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = browser()->viewport()->mapFromGlobal(point);
    if (!browser()->viewport()->rect().contains(local))
        return -1;
    return browser()->cursorForPosition(local).position();
}

void HelpDocumentAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    QTextCursor cursor = cursorAt(startIndex);
    cursor.setPosition(std::clamp(endIndex, 0, characterCount()), QTextCursor::KeepAnchor);
    browser()->setTextCursor(cursor);
    browser()->ensureCursorVisible();
}

QString HelpDocumentAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    // The text is read as one run; its faces and sizes are the desktop's.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace velmora
