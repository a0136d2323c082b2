// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemNetworkCheck.h"

#include <algorithm>

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

namespace velmora {

namespace {

std::vector<InterfaceAddress> interfaceAddresses()
{
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return {};
    std::vector<InterfaceAddress> addresses;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        const int family = entry->ifa_addr != nullptr ? entry->ifa_addr->sa_family : AF_UNSPEC;
        addresses.push_back({
            .up = (entry->ifa_flags & IFF_UP) != 0,
            .running = (entry->ifa_flags & IFF_RUNNING) != 0,
            .loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0,
            .internet = family == AF_INET || family == AF_INET6,
        });
    }
    freeifaddrs(list);
    return addresses;
}

} // namespace

bool anyWorkingInterface(const std::vector<InterfaceAddress>& addresses)
{
    return std::ranges::any_of(addresses, [](const InterfaceAddress& address) {
        return address.up && address.running && !address.loopback && address.internet;
    });
}

bool SystemNetworkCheck::isConnected()
{
    return anyWorkingInterface(interfaceAddresses());
}

} // namespace velmora
