#include "HelpPageAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmora {

QUrl helpPageAddress(const HelpPageLocations& locations)
{
    const QUrl configured(locations.configuredAddress);
    if (!configured.isLocalFile())
        return configured;

    for (const QString& page :
         {locations.besideProgram, configured.toLocalFile(), locations.inBuildTree}) {
        if (!page.isEmpty() && QFileInfo(page).isFile())
            return QUrl::fromLocalFile(page);
    }
    return configured;
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

QUrl helpPageAddress()
{
    return helpPageAddress(helpPageLocationsFor(QCoreApplication::applicationDirPath()));
}

} // namespace velmora
