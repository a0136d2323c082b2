// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QTextBrowser;
class QTextCursor;

namespace velmora {

// What assistive technology sees of the help window: a read-only document
// whose text a screen reader reads line by line, word by word or character by
// character as the player moves the caret with the arrow keys. Qt's own
// interface for a text browser calls it a label, which a screen reader says
// as a whole when the window opens and never reads with the arrows.
class HelpDocumentAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit HelpDocumentAccessible(QTextBrowser* browser);

    // Gives a text browser of a class of its own this interface from now on.
    // Call it at the end of the class's constructor: Qt may have made an
    // interface while the text browser was built, before the class existed,
    // and that one is dropped.
    static void attach(QTextBrowser& browser);

    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    using QAccessibleWidget::text;

private:
    QTextBrowser* browser() const;
    QTextCursor cursorAt(int offset) const;
    // The text between two offsets, paragraphs ending in a line feed.
    QString between(int start, int end) const;
};

} // namespace velmora
