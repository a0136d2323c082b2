// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowControls.h"

#include <QAccessibleInterface>
#include <QPointer>

#include <array>
#include <vector>

namespace velmora {

class GameSurface;

// The parts of the game surface that are painted rather than built from
// widgets, in the order a screen reader walks them.
enum class PaintedPart { Board, Strikes, Figure, Score, Answer };

inline constexpr std::array<PaintedPart, 5> kPaintedParts = {PaintedPart::Board, PaintedPart::Strikes,
                                                             PaintedPart::Figure, PaintedPart::Score,
                                                             PaintedPart::Answer};

// What assistive technology sees of one painted part: a read-only text
// with a Spanish name, the part's rectangle on the screen and, for the
// score, its number as a value. It reads the surface's state each time it is
// asked, so it never holds a stale copy.
class PaintedPartAccessible final : public QAccessibleInterface,
                                    public QAccessibleTextInterface,
                                    public QAccessibleValueInterface {
public:
    PaintedPartAccessible(GameSurface* surface, PaintedPart part);

    // The words a screen reader says for the part in a given state.
    static QString spokenText(PaintedPart part, const WindowControls& controls);
    static bool isShown(PaintedPart part, const WindowControls& controls);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The text, read only: no selection, no caret to move.
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // The score as a number; nothing can set it.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    // Where each character of the part's text lies on the surface: over the
    // cell, box or words it tells about, in reading order, so that reviewing
    // the screen reads the board word by word and the pointer finds what
    // lies under it.
    static std::vector<QRect> characterBoxes(PaintedPart part, const WindowControls& controls);

private:
    QString content() const;

    QPointer<GameSurface> surface_;
    PaintedPart part_ = PaintedPart::Board;
};

} // namespace velmora
