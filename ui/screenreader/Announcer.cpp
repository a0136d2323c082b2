// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/Announcer.h"

#include "screenreader/AccessibleRegistry.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace velmora {

namespace {

QAccessibleInterface* statusLineInterface(QObject* object)
{
    return object->isWidgetType() ? new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar)
                                  : nullptr;
}

QAccessibleInterface* noteInterface(QObject* object)
{
    return object->isWidgetType() ? new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification)
                                  : nullptr;
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
    accessible::provide<Announcer>(statusLineInterface);
    accessible::provide<AnnouncerNote>(noteInterface);
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
