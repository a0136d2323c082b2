// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/HeldKeyFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace velmora {

HeldKeyFilter::HeldKeyFilter(QWidget* window)
    : window_(window)
{
    // Keys go to whichever widget of the window has the focus, so the filter
    // watches them all where they are delivered.
    QCoreApplication::instance()->installEventFilter(this);
}

HeldKeyFilter::~HeldKeyFilter()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool HeldKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != window_ && !window_->isAncestorOf(widget)))
        return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        repeats_.released(key);
        if (!key.isAutoRepeat())
            return false;
    } else if (!repeats_.isRepeat(key)) {
        return false;
    }
    // Taken here: a shortcut override accepted keeps the shortcuts from
    // seeing the repeat, and the key itself then goes no further.
    event->accept();
    return true;
}

} // namespace velmora
