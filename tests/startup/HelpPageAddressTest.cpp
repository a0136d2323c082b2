// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPageAddress.h"

#include <QDir>
#include <QFile>
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
            .besideProgram = writePage(root, QStringLiteral("share/velmora/ayuda.html")),
            .inBuildTree = writePage(root, QStringLiteral("build/help/ayuda.html")),
        };
        QCOMPARE(velmora::helpPageAddress(locations),
                 QUrl(QStringLiteral("https://example.org/velmora/ayuda.html")));
        QCOMPARE(velmora::shippedHelpPage(locations), QUrl::fromLocalFile(locations.besideProgram));
    }

    void thePageInstalledBesideTheProgramComesFirst()
    {
        QTemporaryDir root;
        const QString beside = writePage(root, QStringLiteral("opt/share/velmora/ayuda.html"));
        const QString configured = writePage(root, QStringLiteral("usr/share/velmora/ayuda.html"));
        const auto locations = velmora::HelpPageLocations{
            .configuredAddress = QUrl::fromLocalFile(configured).toString(),
            .besideProgram = beside,
            .inBuildTree = writePage(root, QStringLiteral("build/help/ayuda.html")),
        };
        QCOMPARE(velmora::helpPageAddress(locations), QUrl::fromLocalFile(beside));
    }

    void theConfiguredPageIsUsedWhenNoneIsBesideTheProgram()
    {
        QTemporaryDir root;
        const QString configured = writePage(root, QStringLiteral("usr/share/velmora/ayuda.html"));
        const auto locations = velmora::HelpPageLocations{
            .configuredAddress = QUrl::fromLocalFile(configured).toString(),
            .besideProgram = root.filePath(QStringLiteral("opt/share/velmora/ayuda.html")),
            .inBuildTree = writePage(root, QStringLiteral("build/help/ayuda.html")),
        };
        QCOMPARE(velmora::helpPageAddress(locations), QUrl::fromLocalFile(configured));
    }

    void theBuildTreeCopyIsUsedWhenNothingIsInstalled()
    {
        QTemporaryDir root;
        const QString build = writePage(root, QStringLiteral("build/help/ayuda.html"));
        const auto locations = velmora::HelpPageLocations{
            .configuredAddress = QUrl::fromLocalFile(root.filePath(QStringLiteral("usr/share/velmora/ayuda.html"))).toString(),
            .besideProgram = root.filePath(QStringLiteral("opt/share/velmora/ayuda.html")),
            .inBuildTree = build,
        };
        QCOMPARE(velmora::helpPageAddress(locations), QUrl::fromLocalFile(build));
    }

    void withNoPageAnywhereTheConfiguredAddressStandsAndNoneIsShipped()
    {
        QTemporaryDir root;
        const QUrl configured = QUrl::fromLocalFile(root.filePath(QStringLiteral("usr/share/velmora/ayuda.html")));
        const auto locations = velmora::HelpPageLocations{
            .configuredAddress = configured.toString(),
            .besideProgram = root.filePath(QStringLiteral("opt/share/velmora/ayuda.html")),
            .inBuildTree = root.filePath(QStringLiteral("build/help/ayuda.html")),
        };
        QCOMPARE(velmora::helpPageAddress(locations), configured);
        QVERIFY(velmora::shippedHelpPage(locations).isEmpty());
    }

    void aProgramInABinFolderLooksForItsPageInTheSiblingShareFolder()
    {
        const auto locations = velmora::helpPageLocationsFor(QStringLiteral("/opt/velmora/bin"));
        QCOMPARE(locations.besideProgram, QStringLiteral("/opt/velmora/share/velmora/ayuda.html"));
    }

    void aProgramRunFromTheBuildTreeFindsAPage()
    {
        const QUrl address = velmora::helpPageAddress(
            velmora::helpPageLocationsFor(QCoreApplication::applicationDirPath()));
        QVERIFY(address.isLocalFile());
        QVERIFY2(QFileInfo(address.toLocalFile()).isFile(), qPrintable(address.toString()));
        QCOMPARE(QFileInfo(address.toLocalFile()).fileName(), QStringLiteral("ayuda.html"));
    }
};

QTEST_GUILESS_MAIN(HelpPageAddressTest)
#include "HelpPageAddressTest.moc"
