// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

namespace velmora {

// Where the help page may be found. A web address the build was given is used
// as it is. The page that ships with the program is looked for in turn where
// it lies relative to the program once installed (so an installed tree moved
// to another prefix, and the program in its build tree, which keeps the same
// layout, still find it), at the address the build was given if that is a
// local page, and in the data folder the build installs to.
struct HelpPageLocations {
    QString configuredAddress;
    QString besideProgram;
    QString installed;
};

// The page that comes with the program: the first local page that exists,
// whichever address the build configured, or an empty address if none does.
QUrl shippedHelpPage(const HelpPageLocations& locations);

// The address the Help item opens: a configured web address, else the page
// that comes with the program, else the address where the build installs it.
QUrl helpPageAddress(const HelpPageLocations& locations);

// The locations this build knows of, for a program running from the given folder.
HelpPageLocations helpPageLocationsFor(const QString& programDirectory);

} // namespace velmora
