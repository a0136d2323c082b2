// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/GameSurfaceAccessible.h"

#include "painting/GameSurface.h"
#include "screenreader/AccessibleRegistry.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr int kPartCount = static_cast<int>(kPaintedParts.size());

QAccessibleInterface* surfaceInterface(QObject* object)
{
    return object->isWidgetType() ? new GameSurfaceAccessible(static_cast<GameSurface*>(object)) : nullptr;
}

} // namespace

GameSurfaceAccessible::GameSurfaceAccessible(GameSurface* surface)
    : QAccessibleWidget(surface, QAccessible::Client)
{
    // The parts have no object of their own: the accessibility cache owns
    // them by id, and this interface gives them back when it goes.
    for (std::size_t i = 0; i < parts_.size(); ++i)
        parts_[i] = QAccessible::registerAccessibleInterface(new PaintedPartAccessible(surface, kPaintedParts[i]));
}

GameSurfaceAccessible::~GameSurfaceAccessible()
{
    for (QAccessible::Id id : parts_)
        QAccessible::deleteAccessibleInterface(id);
}

void GameSurfaceAccessible::install()
{
    accessible::provide<GameSurface>(surfaceInterface);
}

int GameSurfaceAccessible::childCount() const
{
    return kPartCount + QAccessibleWidget::childCount();
}

// The widgets on the surface come first, so that where one lies over a
// painted part, as the open answer box over the answer line, a point there
// finds the widget.
QAccessibleInterface* GameSurfaceAccessible::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    if (index < 0 || index >= widgets + kPartCount)
        return nullptr;
    if (index < widgets)
        return QAccessibleWidget::child(index);
    return QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(index - widgets)]);
}

int GameSurfaceAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < kPartCount; ++i) {
        if (QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(i)]) == child)
            return QAccessibleWidget::childCount() + i;
    }
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* GameSurfaceAccessible::part(PaintedPart part) const
{
    const auto at = std::find(kPaintedParts.begin(), kPaintedParts.end(), part);
    return QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(at - kPaintedParts.begin())]);
}

void GameSurfaceAccessible::announceChanges(GameSurface& surface, const WindowControls& before, bool scoreSettled)
{
    const auto* surfaceInterface =
        dynamic_cast<GameSurfaceAccessible*>(QAccessible::queryAccessibleInterface(&surface));
    if (surfaceInterface == nullptr)
        return;
    const WindowControls& now = surface.controls();
    for (PaintedPart part : kPaintedParts) {
        QAccessibleInterface* iface = surfaceInterface->part(part);
        const bool wasShown = PaintedPartAccessible::isShown(part, before);
        const bool shown = PaintedPartAccessible::isShown(part, now);
        if (shown != wasShown) {
            QAccessibleEvent visibility(iface, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
            QAccessible::updateAccessibility(&visibility);
        }
        const QString oldText = PaintedPartAccessible::spokenText(part, before);
        const QString text = PaintedPartAccessible::spokenText(part, now);
        if (text == oldText || (part == PaintedPart::Score && !scoreSettled))
            continue;
        QAccessibleTextUpdateEvent update(iface, 0, oldText, text);
        QAccessible::updateAccessibility(&update);
        if (part == PaintedPart::Score) {
            QAccessibleValueChangeEvent value(iface, iface->valueInterface()->currentValue());
            QAccessible::updateAccessibility(&value);
        }
    }
}

} // namespace velmora
