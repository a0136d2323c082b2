// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

#include <memory>

class QObject;

// The one place through which the program gives Qt its accessible interfaces
// and changes what reaches assistive technology. Qt keeps a list of
// interface factories and a single, process-wide update handler; the
// registry installs one factory, which looks a class up among those given
// here, and one handler, which passes every event through the filters given
// here before Qt's bridge to the accessibility bus sends it. Each is
// installed the first time it is needed and never again, so whoever gives a
// class or a filter may do so as often as it likes: the first time counts.
namespace velmora::accessible {

// Makes the interface of one object of a class given to `provide`.
using Maker = QAccessibleInterface* (*)(QObject* object);

// From now on, every object whose class (as its meta-object names it,
// namespace included) is `className` gets the interface `make` builds. A
// class given a second time keeps the interface it was first given.
void provide(const char* className, Maker make);

template <typename Object>
void provide(Maker make)
{
    provide(Object::staticMetaObject.className(), make);
}

// Looks at an event on its way to assistive technology. It gives back the
// event to send in its place, or nothing to let it go on as it is.
using UpdateFilter = std::unique_ptr<QAccessibleEvent> (*)(QAccessibleEvent& event);

// From now on, every event passes `filter`, after the filters given before
// it. A filter given a second time is not added again.
void filterUpdates(UpdateFilter filter);

} // namespace velmora::accessible
