// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaintedPartAccessible.h"

#include "GameSurface.h"
#include "Layout.h"
#include "ScreenReaderTexts.h"

#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace velmora {

namespace {

QString partName(PaintedPart part)
{
    switch (part) {
    case PaintedPart::Board: return QStringLiteral("Tablero");
    case PaintedPart::Strikes: return QStringLiteral("Fallos");
    case PaintedPart::Figure: return QStringLiteral("Ahorcado");
    case PaintedPart::Score: return QStringLiteral("Puntuación");
    case PaintedPart::Answer: return QStringLiteral("Respuesta");
    }
    return {};
}

// Where the part lies on the surface.
QRect partRect(PaintedPart part)
{
    switch (part) {
    case PaintedPart::Board: return layout::lblLetter(1).united(layout::lblLetter(kBoardCells));
    case PaintedPart::Strikes: return layout::lblStrike(1).united(layout::lblStrike(kStrikeBoxes));
    case PaintedPart::Figure: return layout::gallowsPanel;
    case PaintedPart::Score: return layout::lblScore;
    case PaintedPart::Answer: return layout::lblWords;
    }
    return {};
}

} // namespace

PaintedPartAccessible::PaintedPartAccessible(GameSurface* surface, PaintedPart part)
    : surface_(surface)
    , part_(part)
{
}

QString PaintedPartAccessible::spokenText(PaintedPart part, const WindowControls& controls)
{
    switch (part) {
    case PaintedPart::Board: return spoken::boardText(controls);
    case PaintedPart::Strikes: return spoken::strikesText(controls);
    case PaintedPart::Figure: return spoken::figureText(controls);
    case PaintedPart::Score: return spoken::scoreText(controls);
    case PaintedPart::Answer: return spoken::answerText(controls);
    }
    return {};
}

bool PaintedPartAccessible::isShown(PaintedPart part, const WindowControls& controls)
{
    return part != PaintedPart::Answer || controls.lblWordsVisible;
}

bool PaintedPartAccessible::isValid() const
{
    return !surface_.isNull();
}

QWindow* PaintedPartAccessible::window() const
{
    return surface_ ? surface_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* PaintedPartAccessible::parent() const
{
    return surface_ ? QAccessible::queryAccessibleInterface(surface_.data()) : nullptr;
}

QString PaintedPartAccessible::content() const
{
    return surface_ ? spokenText(part_, surface_->controls()) : QString();
}

QString PaintedPartAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: return partName(part_);
    // A screen reader that says a label's name rather than its text still
    // finds the content here.
    case QAccessible::Description:
    case QAccessible::Value: return content();
    default: return {};
    }
}

QRect PaintedPartAccessible::rect() const
{
    // A hidden part takes no room, so a point over it finds what is shown.
    if (!surface_ || !isShown(part_, surface_->controls()))
        return {};
    const QRect local = partRect(part_);
    return QRect(surface_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State PaintedPartAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !surface_ || !surface_->isVisible() || !isShown(part_, surface_->controls());
    return state;
}

void* PaintedPartAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::ValueInterface && part_ == PaintedPart::Score)
        return static_cast<QAccessibleValueInterface*>(this);
    return nullptr;
}

void PaintedPartAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString PaintedPartAccessible::text(int startOffset, int endOffset) const
{
    const QString all = content();
    if (endOffset < 0 || endOffset > all.size())
        endOffset = static_cast<int>(all.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return all.mid(startOffset, endOffset - startOffset);
}

int PaintedPartAccessible::characterCount() const
{
    return static_cast<int>(content().size());
}

QString PaintedPartAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    // The whole text is one run without attributes.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QVariant PaintedPartAccessible::currentValue() const
{
    return surface_ ? QVariant(spoken::scoreText(surface_->controls()).toInt()) : QVariant();
}

} // namespace velmora
