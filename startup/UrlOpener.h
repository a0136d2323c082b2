// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QUrl;

namespace velmora {

// Opens an address in the desktop's browser. It returns whether the browser
// could be asked to open it; the page loads on its own afterwards.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QUrl& address) = 0;
};

} // namespace velmora
