// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/PasswordEchoes.h"

#include "screenreader/AccessibleRegistry.h"

#include <QLineEdit>
#include <QStyle>

namespace velmora {

namespace {

QString masked(const QLineEdit& field, const QString& text)
{
    const QChar mask(field.style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, &field));
    return QString(text.size(), mask);
}

// The same change of a field that hides its text, with the field's masking
// character for each character; any other event goes on as it is.
std::unique_ptr<QAccessibleEvent> maskedEcho(QAccessibleEvent& event)
{
    const auto* field = qobject_cast<const QLineEdit*>(event.object());
    if (field == nullptr || field->echoMode() == QLineEdit::Normal)
        return nullptr;
    switch (event.type()) {
    case QAccessible::TextInserted: {
        const auto& inserted = static_cast<const QAccessibleTextInsertEvent&>(event);
        return std::make_unique<QAccessibleTextInsertEvent>(event.object(), inserted.changePosition(),
                                                            masked(*field, inserted.textInserted()));
    }
    case QAccessible::TextRemoved: {
        const auto& removed = static_cast<const QAccessibleTextRemoveEvent&>(event);
        return std::make_unique<QAccessibleTextRemoveEvent>(event.object(), removed.changePosition(),
                                                            masked(*field, removed.textRemoved()));
    }
    case QAccessible::TextUpdated: {
        const auto& updated = static_cast<const QAccessibleTextUpdateEvent&>(event);
        return std::make_unique<QAccessibleTextUpdateEvent>(event.object(), updated.changePosition(),
                                                            masked(*field, updated.textRemoved()),
                                                            masked(*field, updated.textInserted()));
    }
    default: return nullptr;
    }
}

} // namespace

void maskPasswordEchoes()
{
    accessible::filterUpdates(maskedEcho);
}

} // namespace velmora
