// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/AccessibleRegistry.h"

// Qt 6.4 offers no public way to hand an event on to its accessibility
// bridge while an update handler is installed; the bridge is reached as Qt's
// own updateAccessibility() reaches it (docs/DESIGN.md, "The hidden title").
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

namespace velmora::accessible {

namespace {

std::vector<std::pair<QString, Maker>>& makers()
{
    static std::vector<std::pair<QString, Maker>> given;
    return given;
}

std::vector<UpdateFilter>& filters()
{
    static std::vector<UpdateFilter> given;
    return given;
}

// Qt asks with the name of each class of the object in turn, the object's
// own first, then its bases'.
QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (object == nullptr)
        return nullptr;
    for (const auto& [name, make] : makers()) {
        if (name == className)
            return make(object);
    }
    return nullptr;
}

void sendToBridge(QAccessibleEvent* event)
{
    QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
    QPlatformAccessibility* bridge = platform != nullptr ? platform->accessibility() : nullptr;
    if (bridge != nullptr)
        bridge->notifyAccessibilityUpdate(event);
}

void handler(QAccessibleEvent* event)
{
    if (!QAccessible::isActive())
        return;
    std::unique_ptr<QAccessibleEvent> replaced;
    QAccessibleEvent* sent = event;
    for (UpdateFilter filter : filters()) {
        if (std::unique_ptr<QAccessibleEvent> instead = filter(*sent)) {
            replaced = std::move(instead);
            sent = replaced.get();
        }
    }
    sendToBridge(sent);
}

} // namespace

void provide(const char* className, Maker make)
{
    const QString name = QString::fromLatin1(className);
    auto& given = makers();
    if (given.empty())
        QAccessible::installFactory(factory);
    const bool known = std::any_of(given.begin(), given.end(), [&](const auto& entry) { return entry.first == name; });
    if (!known)
        given.emplace_back(name, make);
}

void filterUpdates(UpdateFilter filter)
{
    auto& given = filters();
    if (given.empty())
        QAccessible::installUpdateHandler(handler);
    if (std::find(given.begin(), given.end(), filter) == given.end())
        given.push_back(filter);
}

} // namespace velmora::accessible
