// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPageAddress.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

QUrl shippedHelpPage(const HelpPageLocations& locations)
{
    const QUrl configured(locations.configuredAddress);
    const QString configuredPage = configured.isLocalFile() ? configured.toLocalFile() : QString();
    for (const QString& page : {locations.besideProgram, configuredPage, locations.inBuildTree}) {
        if (!page.isEmpty() && QFileInfo(page).isFile())
            return QUrl::fromLocalFile(page);
    }
    return {};
}

QUrl helpPageAddress(const HelpPageLocations& locations)
{
    const QUrl configured(locations.configuredAddress);
    if (!configured.isLocalFile())
        return configured;
    const QUrl shipped = shippedHelpPage(locations);
    return shipped.isEmpty() ? configured : shipped;
}

HelpPageLocations helpPageLocationsFor(const QString& programDirectory)
{
    return HelpPageLocations{
        .configuredAddress = QStringLiteral(VELMORA_HELP_URL),
        .besideProgram = QDir::cleanPath(QDir(programDirectory).filePath(
            QStringLiteral(VELMORA_HELP_PAGE_FROM_PROGRAM))),
        .inBuildTree = QStringLiteral(VELMORA_HELP_PAGE_IN_BUILD_TREE),
    };
}

} // namespace velmora
