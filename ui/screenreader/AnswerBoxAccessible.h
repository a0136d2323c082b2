// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace velmora {

class AnswerBox;

// What assistive technology sees of the answer box: an editable line whose
// text is the typed answer. It reads as Qt's own line edit does, but gives
// the whole line as one run of text attributes: a screen reader that splits
// the line by its attribute runs to pick a voice for each would otherwise
// read it without its last character. Edits made through it go the way a
// paste does, through the box's filter, so that the rules hear them.
class AnswerBoxAccessible final : public QAccessibleWidget,
                                  public QAccessibleTextInterface,
                                  public QAccessibleEditableTextInterface {
public:
    explicit AnswerBoxAccessible(AnswerBox* box);

    // Lets Qt build this interface for every answer box (through
    // accessible::provide, so calling it again does nothing more).
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString& text) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    AnswerBox& box() const;
};

} // namespace velmora
