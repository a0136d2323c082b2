// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace velmora {

bool DesktopUrlOpener::open(const QUrl& address)
{
    return QDesktopServices::openUrl(address);
}

} // namespace velmora
