// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the program's network check says of the machine it runs on,
// "connected" or "offline". The help window test runs it with no network.
#include "SystemNetworkCheck.h"

#include <cstdio>

int main()
{
    std::puts(velmora::SystemNetworkCheck().isConnected() ? "connected" : "offline");
    return 0;
}
