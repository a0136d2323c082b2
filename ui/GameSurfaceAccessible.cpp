#include "GameSurfaceAccessible.h"

#include "GameSurface.h"

#include <algorithm>

using velmora::WindowControls;

namespace {

constexpr int kPartCount = static_cast<int>(kPaintedParts.size());

QAccessibleInterface* surfaceFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("GameSurface") && object != nullptr && object->isWidgetType())
        return new GameSurfaceAccessible(static_cast<GameSurface*>(object));
    return nullptr;
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
    static const bool installed = [] {
        QAccessible::installFactory(surfaceFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

int GameSurfaceAccessible::childCount() const
{
    return kPartCount + QAccessibleWidget::childCount();
}

// The painted parts come first, then the widgets on the surface.
QAccessibleInterface* GameSurfaceAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    if (index < kPartCount)
        return QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(index)]);
    return QAccessibleWidget::child(index - kPartCount);
}

int GameSurfaceAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < kPartCount; ++i) {
        if (QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(i)]) == child)
            return i;
    }
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : index + kPartCount;
}

QAccessibleInterface* GameSurfaceAccessible::part(PaintedPart part) const
{
    const auto at = std::find(kPaintedParts.begin(), kPaintedParts.end(), part);
    return QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(at - kPaintedParts.begin())]);
}

void GameSurfaceAccessible::announceChanges(GameSurface& surface, const WindowControls& before)
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
        if (text == oldText)
            continue;
        QAccessibleTextUpdateEvent update(iface, 0, oldText, text);
        QAccessible::updateAccessibility(&update);
        QAccessibleEvent description(iface, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
        if (part == PaintedPart::Score) {
            QAccessibleValueChangeEvent value(iface, text.toInt());
            QAccessible::updateAccessibility(&value);
        }
    }
}
