// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemNetworkCheck.h"

#include <QTest>

namespace {

using velmora::InterfaceAddress;

constexpr InterfaceAddress loopback{.up = true, .running = true, .loopback = true, .internet = true};
constexpr InterfaceAddress cable{.up = true, .running = true, .loopback = false, .internet = true};

} // namespace

class SystemNetworkCheckTest : public QObject {
    Q_OBJECT

private slots:
    void onlyAnInterfaceUpRunningAndAddressedOtherThanTheLoopbackCounts()
    {
        QVERIFY(velmora::anyWorkingInterface({loopback, cable}));
        QVERIFY(!velmora::anyWorkingInterface({}));
        QVERIFY(!velmora::anyWorkingInterface({loopback}));

        InterfaceAddress down = cable;
        down.up = false;
        InterfaceAddress unplugged = cable;
        unplugged.running = false;
        InterfaceAddress linkLayerOnly = cable;
        linkLayerOnly.internet = false;
        QVERIFY(!velmora::anyWorkingInterface({loopback, down, unplugged, linkLayerOnly}));
    }
};

QTEST_GUILESS_MAIN(SystemNetworkCheckTest)
#include "SystemNetworkCheckTest.moc"
