// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/PaintedPartAccessible.h"

#include "painting/Fonts.h"
#include "painting/GameSurface.h"
#include "painting/Layout.h"
#include "painting/QtText.h"
#include "screenreader/ScreenReaderTexts.h"

#include <QFontMetrics>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <functional>

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

// Shares each run of characters with the same place evenly across that
// place's box, left to right.
std::vector<QRect> spread(const spoken::Places& places, const std::function<QRect(int)>& boxOf)
{
    std::vector<QRect> boxes(places.size());
    for (std::size_t start = 0; start < places.size();) {
        std::size_t end = start;
        while (end < places.size() && places[end] == places[start])
            ++end;
        const QRect box = boxOf(places[start]);
        const auto count = static_cast<int>(end - start);
        for (int k = 0; k < count; ++k) {
            const int left = box.left() + box.width() * k / count;
            const int right = box.left() + box.width() * (k + 1) / count;
            boxes[start + static_cast<std::size_t>(k)] =
                QRect(left, box.top(), std::max(right - left, 1), box.height());
        }
        start = end;
    }
    return boxes;
}

// The part of a label its text covers, as the surface draws it.
QRect textBox(const QRect& label, const QFont& font, const QString& before, const QString& text,
              Qt::Alignment alignment)
{
    const QFontMetrics metrics(font);
    const int width = std::min(metrics.horizontalAdvance(text), label.width());
    const int left = alignment == Qt::AlignRight ? label.right() + 1 - width
                                                 : label.left() + metrics.horizontalAdvance(before);
    return QRect(left, label.top(), std::max(width, 1), std::min(metrics.height(), label.height()));
}

} // namespace

std::vector<QRect> PaintedPartAccessible::characterBoxes(PaintedPart part, const WindowControls& controls)
{
    spoken::Places places;
    switch (part) {
    case PaintedPart::Board:
        spoken::boardText(controls, &places);
        return spread(places,
                      [](int cell) { return cell == 0 ? partRect(PaintedPart::Board) : layout::lblLetter(cell); });
    case PaintedPart::Strikes:
        spoken::strikesText(controls, &places);
        return spread(places,
                      [](int box) { return box == 0 ? partRect(PaintedPart::Strikes) : layout::lblStrike(box); });
    case PaintedPart::Score: {
        // The name goes over the band left of the digits, the number over them.
        const QString digits = qtText(controls.lblScoreCaption);
        const QRect number = textBox(layout::lblScore, scoreFont(), {}, digits, Qt::AlignRight);
        const QRect name(layout::lblScore.topLeft(), QPoint(number.left() - 1, layout::lblScore.bottom()));
        spoken::Places places(static_cast<std::size_t>(spoken::kScoreLabel.size()), 0);
        places.insert(places.end(), static_cast<std::size_t>(digits.size()), 1);
        return spread(places, [&](int place) { return place == 0 ? name : number; });
    }
    case PaintedPart::Answer: {
        // The line reads "R: " and the title, in a font made small enough to fit.
        const QString title = spoken::answerText(controls);
        const QString line = qtText(controls.lblWordsCaption);
        const QFont font = fittedFont(boardFont(), line, layout::lblWords.width());
        const QRect box = textBox(layout::lblWords, font, line.left(line.size() - title.size()), title, Qt::AlignLeft);
        return spread(spoken::Places(static_cast<std::size_t>(title.size()), 0), [&](int) { return box; });
    }
    case PaintedPart::Figure:
        break;
    }
    const auto length = static_cast<std::size_t>(spoken::figureText(controls).size());
    return spread(spoken::Places(length, 0), [](int) { return partRect(PaintedPart::Figure); });
}

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

QRect PaintedPartAccessible::characterRect(int offset) const
{
    if (!surface_ || !isShown(part_, surface_->controls()))
        return {};
    const std::vector<QRect> boxes = characterBoxes(part_, surface_->controls());
    if (offset < 0 || offset >= static_cast<int>(boxes.size()))
        return {};
    const QRect box = boxes[static_cast<std::size_t>(offset)];
    return QRect(surface_->mapToGlobal(box.topLeft()), box.size());
}

int PaintedPartAccessible::offsetAtPoint(const QPoint& point) const
{
    if (!surface_ || !isShown(part_, surface_->controls()))
        return -1;
    const std::vector<QRect> boxes = characterBoxes(part_, surface_->controls());
    const QPoint local = surface_->mapFromGlobal(point);
    const auto at = std::find_if(boxes.begin(), boxes.end(), [&](const QRect& box) { return box.contains(local); });
    return at == boxes.end() ? -1 : static_cast<int>(at - boxes.begin());
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
    return surface_ ? QVariant(QString(qtText(surface_->controls().lblScoreCaption)).toInt()) : QVariant();
}

} // namespace velmora
