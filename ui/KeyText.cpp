// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyText.h"

#include <QKeyEvent>

namespace velmora {

namespace {

constexpr char16_t kDelete = 0x7F;

} // namespace

bool typesText(const QKeyEvent& event)
{
    const QString text = event.text();
    return !text.isEmpty() && text != QChar(kDelete);
}

int latin1KeyCode(const QKeyEvent& event)
{
    const QString text = event.text();
    if (!typesText(event) || text.size() != 1)
        return -1;
    const char16_t c = text.at(0).unicode();
    return c <= 0xFF ? static_cast<int>(c) : -1;
}

} // namespace velmora
