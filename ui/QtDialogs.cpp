// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include "QtText.h"

#include <QMessageBox>

namespace velmora {

MessageAnswer QtDialogs::showMessage(const std::u32string& text, MessageIcon icon, MessageButtons buttons)
{
    if (beforeShow_)
        beforeShow_();
    QMessageBox box(parent_);
    box.setWindowTitle(QStringLiteral("Velmora"));
    box.setText(qtText(text));
    switch (icon) {
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace velmora
