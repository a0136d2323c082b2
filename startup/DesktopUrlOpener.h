// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UrlOpener.h"

namespace velmora {

// Hands the address to the desktop's preferred browser.
class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& address) override;
};

} // namespace velmora
