#pragma once

#include <QString>
#include <QUrl>

namespace velmora {

// Where the help page may be found. The build sets the address; a web address
// is used as it is, while a local page is looked for in turn beside the
// program (so a package installed under another prefix still finds its page),
// at the address the build named, and in the build tree (so the program finds
// it when run from where it was built).
struct HelpPageLocations {
    QString configuredAddress;
    QString besideProgram;
    QString inBuildTree;
};

// The address the Help item opens: a configured web address, else the first
// local page that exists, else the configured address as it is.
QUrl helpPageAddress(const HelpPageLocations& locations);

// The locations this build knows of, for a program running from the given folder.
HelpPageLocations helpPageLocationsFor(const QString& programDirectory);

// The address for the running program (it needs the application object).
QUrl helpPageAddress();

} // namespace velmora
