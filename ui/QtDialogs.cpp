#include "QtDialogs.h"

#include "QtText.h"

#include <QMessageBox>

using velmora::MessageAnswer;

MessageAnswer QtDialogs::showMessage(const std::u32string& text, velmora::MessageIcon icon,
                                     velmora::MessageButtons buttons)
{
    if (beforeShow_)
        beforeShow_();
    QMessageBox box(parent_);
    box.setWindowTitle(QStringLiteral("Velmora"));
    box.setText(qtText(text));
    switch (icon) {
    case velmora::MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case velmora::MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case velmora::MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    }
    if (buttons == velmora::MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (buttons == velmora::MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}
