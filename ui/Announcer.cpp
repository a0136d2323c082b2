// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Announcer.h"

#include <QAccessibleWidget>

namespace velmora {

namespace {

// Qt asks with the class name its meta-object carries, namespace included.
QAccessibleInterface* notificationFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()) && object != nullptr &&
        object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window)
    : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString& sentence)
{
    hide();
    setAccessibleName(sentence);
    show();
}

} // namespace velmora
