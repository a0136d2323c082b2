// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// Whether the machine has a working network connection; the Help item asks it
// before it opens the help page.
class NetworkCheck {
public:
    virtual ~NetworkCheck() = default;
    virtual bool isConnected() = 0;
};

} // namespace velmora
