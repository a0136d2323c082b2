// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPageAddress.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {

QString configuredLocalPage(const HelpPageLocations& locations)
{
    const QUrl configured(locations.configuredAddress);
    return configured.isLocalFile() ? configured.toLocalFile() : QString();
}

} // namespace

QUrl shippedHelpPage(const HelpPageLocations& locations)
{
    for (const QString& page : {locations.besideProgram, configuredLocalPage(locations), locations.installed}) {
        if (!page.isEmpty() && QFileInfo(page).isFile())
            return QUrl::fromLocalFile(page);
    }
    return {};
}

QUrl helpPageAddress(const HelpPageLocations& locations)
{
    const QUrl configured(locations.configuredAddress);
    if (!configured.isEmpty() && !configured.isLocalFile())
        return configured;
    if (const QUrl shipped = shippedHelpPage(locations); !shipped.isEmpty())
        return shipped;
    return configured.isEmpty() ? QUrl::fromLocalFile(locations.installed) : configured;
}

HelpPageLocations helpPageLocationsFor(const QString& programDirectory)
{
    return HelpPageLocations{
        .configuredAddress = QStringLiteral(VELMORA_HELP_URL),
        .besideProgram = QDir::cleanPath(QDir(programDirectory).filePath(
            QStringLiteral(VELMORA_HELP_PAGE_FROM_PROGRAM))),
        .installed = QStringLiteral(VELMORA_HELP_PAGE_INSTALLED),
    };
}

} // namespace velmora
