// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/PasswordEchoes.h"

#include <QAccessible>
#include <QLineEdit>
#include <QStyle>

namespace velmora {

namespace {

QAccessible::UpdateHandler previousHandler = nullptr;

void maskingHandler(QAccessibleEvent* event);

// Hands an event on as if no handler of ours were installed: to the handler
// installed before, or to Qt's own road to the accessibility bus.
void forward(QAccessibleEvent* event)
{
    if (previousHandler != nullptr) {
        previousHandler(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(maskingHandler);
}

QString masked(const QLineEdit& field, const QString& text)
{
    const QChar mask(field.style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, &field));
    return QString(text.size(), mask);
}

void maskingHandler(QAccessibleEvent* event)
{
    if (!QAccessible::isActive())
        return;
    const auto* field = qobject_cast<const QLineEdit*>(event->object());
    if (field == nullptr || field->echoMode() == QLineEdit::Normal) {
        forward(event);
        return;
    }
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
        QAccessibleTextInsertEvent safe(event->object(), inserted->changePosition(),
                                        masked(*field, inserted->textInserted()));
        forward(&safe);
        break;
    }
    case QAccessible::TextRemoved: {
        const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
        QAccessibleTextRemoveEvent safe(event->object(), removed->changePosition(),
                                        masked(*field, removed->textRemoved()));
        forward(&safe);
        break;
    }
    case QAccessible::TextUpdated: {
        const auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
        QAccessibleTextUpdateEvent safe(event->object(), updated->changePosition(),
                                        masked(*field, updated->textRemoved()),
                                        masked(*field, updated->textInserted()));
        forward(&safe);
        break;
    }
    default: forward(event); break;
    }
}

} // namespace

void maskPasswordEchoes()
{
    static const bool installed = [] {
        previousHandler = QAccessible::installUpdateHandler(maskingHandler);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace velmora
