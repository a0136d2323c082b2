// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QUrl;

namespace velmora {

// Opens an address in the desktop's browser. Whether that worked is known
// only once the desktop has answered, so the answer comes later, on the
// interface thread: `done` is called once, with true when the browser has
// the page and false when it could not be asked or said it failed. It is
// never called after the opener is gone.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& address, std::function<void(bool opened)> done) = 0;
};

} // namespace velmora
