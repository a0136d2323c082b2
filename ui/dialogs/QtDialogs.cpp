// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/QtDialogs.h"

#include "desktop/ApplicationSetup.h"
#include "input/HeldKeyFilter.h"
#include "painting/QtText.h"

#include <QMessageBox>

namespace velmora {

MessageAnswer QtDialogs::showMessage(const std::u32string& text, MessageIcon icon, MessageButtons buttons)
{
    if (beforeShow_)
        beforeShow_();
    QMessageBox box(parent_);
    box.setWindowTitle(programName());
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
    // The key that asked the question may still be held down: its repeats
    // must not answer it.
    const HeldKeyFilter freshKeysOnly(&box);
    const int result = box.exec();
    // A window manager gives the window back its activation once the box
    // has gone; without one nobody does, and the window's shortcuts (F2,
    // Escape in the answer box) would stop working.
    if (parent_ != nullptr && !parent_->isActiveWindow())
        parent_->activateWindow();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace velmora
