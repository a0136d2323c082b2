// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/Announcer.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace velmora {

namespace {

// Qt asks with the class name its meta-object carries, namespace included.
QAccessibleInterface* statusFactory(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (className == QLatin1String(AnnouncerNote::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

void takeNoRoom(QWidget& widget)
{
    widget.setFocusPolicy(Qt::NoFocus);
    widget.setAttribute(Qt::WA_TransparentForMouseEvents);
    widget.setGeometry(0, 0, 0, 0);
}

} // namespace

AnnouncerNote::AnnouncerNote(QWidget* statusLine)
    : QWidget(statusLine)
    , label(new QLabel(this))
{
    takeNoRoom(*this);
    // A screen reader passes by a label with no size when it reads the
    // status line; inside a note with none it is still drawn nowhere.
    label->setGeometry(0, 0, 1, 1);
    hide();
}

Announcer::Announcer(QWidget* window)
    : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(statusFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    for (AnnouncerNote*& note : notes_)
        note = new AnnouncerNote(this);
    takeNoRoom(*this);
    show();
}

void Announcer::say(const QString& sentence)
{
    AnnouncerNote* shown = notes_[(next_ + notes_.size() - 1) % notes_.size()];
    AnnouncerNote* note = notes_[next_];
    next_ = (next_ + 1) % notes_.size();
    note->hide();
    note->label->setText(sentence);
    note->show();
    if (shown != note)
        shown->hide();
}

} // namespace velmora
