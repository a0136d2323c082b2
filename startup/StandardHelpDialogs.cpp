// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardHelpDialogs.h"

#include <QMessageBox>

namespace velmora {

void StandardHelpDialogs::information(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, owner);
    box.exec();
}

void StandardHelpDialogs::about(QWidget* owner, const QString& title, const QString& text)
{
    // The standard About box shows the owner's window icon, which is the
    // program icon.
    QMessageBox::about(owner, title, text);
}

} // namespace velmora
