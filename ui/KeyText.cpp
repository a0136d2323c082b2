#include "KeyText.h"

#include <QKeyEvent>

int latin1KeyCode(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.size() != 1)
        return -1;
    const char16_t c = text.at(0).unicode();
    return c <= 0xFF ? static_cast<int>(c) : -1;
}
