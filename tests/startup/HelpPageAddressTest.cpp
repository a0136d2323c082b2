// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPageAddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString writePage(const QTemporaryDir& root, const QString& relativePath)
{
    const QString path = root.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile page(path);
    if (!page.open(QIODevice::WriteOnly))
        return {};
    page.write("<html></html>");
    return path;
}

} // namespace

class HelpPageAddressTest : public QObject {
    Q_OBJECT

private slots:
    void aWebAddressIsUsedAsItIsWhileTheShippedPageIsStillFound()
    {
        QTemporaryDir root;
        const auto locations = velmora::HelpPageLocations{
            .configuredAddress = QStringLiteral("https://example.org/velmora/ayuda.html"),
            .besideProgram = writePage(root, QStringLiteral("opt/share/velmora/ayuda.html")),
            .installed = writePage(root, QStringLiteral("usr/share/velmora/ayuda.html")),
        };
        QCOMPARE(velmora::helpPageAddress(locations),
                 QUrl(QStringLiteral("https://example.org/velmora/ayuda.html")));
        QCOMPARE(velmora::shippedHelpPage(locations), QUrl::fromLocalFile(locations.besideProgram));
    }

    void thePageBesideTheProgramComesFirst()
    {
        QTemporaryDir root;
        const QString beside = writePage(root, QStringLiteral("opt/share/velmora/ayuda.html"));
        const QString configured = writePage(root, QStringLiteral("srv/ayuda.html"));
        const auto locations = velmora::HelpPageLocations{
            .configuredAddress = QUrl::fromLocalFile(configured).toString(),
            .besideProgram = beside,
            .installed = writePage(root, QStringLiteral("usr/share/velmora/ayuda.html")),
        };
        QCOMPARE(velmora::helpPageAddress(locations), QUrl::fromLocalFile(beside));
    }

    void aConfiguredLocalPageComesBeforeTheInstalledOne()
    {
        QTemporaryDir root;
        const QString configured = writePage(root, QStringLiteral("srv/ayuda.html"));
        const auto locations = velmora::HelpPageLocations{
            .configuredAddress = QUrl::fromLocalFile(configured).toString(),
            .besideProgram = root.filePath(QStringLiteral("opt/share/velmora/ayuda.html")),
            .installed = writePage(root, QStringLiteral("usr/share/velmora/ayuda.html")),
        };
        QCOMPARE(velmora::helpPageAddress(locations), QUrl::fromLocalFile(configured));
    }

    void theInstalledPageIsUsedWhenNoneIsBesideTheProgram()
    {
        QTemporaryDir root;
        const QString installed = writePage(root, QStringLiteral("usr/share/velmora/ayuda.html"));
        const auto locations = velmora::HelpPageLocations{
            .configuredAddress = {},
            .besideProgram = root.filePath(QStringLiteral("opt/share/velmora/ayuda.html")),
            .installed = installed,
        };
        QCOMPARE(velmora::helpPageAddress(locations), QUrl::fromLocalFile(installed));
        QCOMPARE(velmora::shippedHelpPage(locations), QUrl::fromLocalFile(installed));
    }

    void withNoPageAnywhereTheAddressNamesTheInstalledPageAndNoneIsShipped()
    {
        QTemporaryDir root;
        const QString installed = root.filePath(QStringLiteral("usr/share/velmora/ayuda.html"));
        const auto locations = velmora::HelpPageLocations{
            .configuredAddress = {},
            .besideProgram = root.filePath(QStringLiteral("opt/share/velmora/ayuda.html")),
            .installed = installed,
        };
        QCOMPARE(velmora::helpPageAddress(locations), QUrl::fromLocalFile(installed));
        QVERIFY(velmora::shippedHelpPage(locations).isEmpty());
    }

    void withNoPageAnywhereAConfiguredLocalAddressStands()
    {
        QTemporaryDir root;
        const QUrl configured = QUrl::fromLocalFile(root.filePath(QStringLiteral("srv/ayuda.html")));
        const auto locations = velmora::HelpPageLocations{
            .configuredAddress = configured.toString(),
            .besideProgram = root.filePath(QStringLiteral("opt/share/velmora/ayuda.html")),
            .installed = root.filePath(QStringLiteral("usr/share/velmora/ayuda.html")),
        };
        QCOMPARE(velmora::helpPageAddress(locations), configured);
        QVERIFY(velmora::shippedHelpPage(locations).isEmpty());
    }

    // The build tree lays the page out beside the program as an installation
    // does, so the program run from there shows its help with nothing set.
    void theProgramInItsBuildTreeFindsThePageLaidOutAsWhenInstalled()
    {
        const QString programDirectory = qEnvironmentVariable("VELMORA_PROGRAM_DIR");
        QVERIFY2(QFileInfo(programDirectory).isDir(), "VELMORA_PROGRAM_DIR names no folder");
        const auto locations = velmora::helpPageLocationsFor(programDirectory);
        QVERIFY2(QFileInfo(locations.besideProgram).isFile(), qPrintable(locations.besideProgram));
        QCOMPARE(velmora::shippedHelpPage(locations), QUrl::fromLocalFile(locations.besideProgram));
        QCOMPARE(velmora::helpPageAddress(locations), QUrl::fromLocalFile(locations.besideProgram));
    }

    // Nothing the program knows names the build tree: moved elsewhere, it
    // never falls back on the page there.
    void noLocationTheProgramKnowsLiesInTheBuildTree()
    {
        const QString buildDir = qEnvironmentVariable("VELMORA_BUILD_DIR");
        QVERIFY2(QFileInfo(buildDir).isDir(), "VELMORA_BUILD_DIR names no folder");
        QTemporaryDir elsewhere;
        const auto locations = velmora::helpPageLocationsFor(elsewhere.filePath(QStringLiteral("bin")));
        for (const QString& buildTree : {QDir(buildDir).absolutePath(), QDir(buildDir).canonicalPath()}) {
            for (const QString& location : {locations.configuredAddress, locations.besideProgram, locations.installed})
                QVERIFY2(!location.contains(buildTree), qPrintable(location));
            QVERIFY(!velmora::shippedHelpPage(locations).toLocalFile().startsWith(buildTree));
        }
    }
};

QTEST_GUILESS_MAIN(HelpPageAddressTest)
#include "HelpPageAddressTest.moc"
