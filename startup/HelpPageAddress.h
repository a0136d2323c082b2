// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

namespace velmora {

// Where the help page may be found. The build sets the address, and a web
// address is used as it is. The page that ships with the program is looked
// for in turn beside the program (so a package installed under another prefix
// still finds its page), at the address the build named if that is a local
// page, and in the build tree (so the program finds it when run from where it
// was built).
struct HelpPageLocations {
    QString configuredAddress;
    QString besideProgram;
    QString inBuildTree;
};

// The page that comes with the program: the first local page that exists,
// whichever address the build configured, or an empty address if none does.
QUrl shippedHelpPage(const HelpPageLocations& locations);

// The address the Help item opens: a configured web address, else the page
// that comes with the program, else the configured address as it is.
QUrl helpPageAddress(const HelpPageLocations& locations);

// The locations this build knows of, for a program running from the given folder.
HelpPageLocations helpPageLocationsFor(const QString& programDirectory);

} // namespace velmora
