// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NetworkCheck.h"

#include <vector>

namespace velmora {

// What the check needs to know of one address of a network interface.
struct InterfaceAddress {
    bool up = false;
    bool running = false;
    bool loopback = false;
    // An IPv4 or IPv6 address, as opposed to a link-layer one.
    bool internet = false;
};

// Whether any interface other than the loopback is up, running and has an
// internet address: a cable or radio link with a configured address.
bool anyWorkingInterface(const std::vector<InterfaceAddress>& addresses);

// The machine's own view of its connection, read from its network interfaces.
// Like the desktop's network services, it cannot tell a local network from
// the Internet; it only rules out a machine with no network at all.
class SystemNetworkCheck final : public NetworkCheck {
public:
    bool isConnected() override;
};

} // namespace velmora
