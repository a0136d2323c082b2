// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the help page address that a program installed in the given folder
// would open, using the same resolution and the same compiled-in locations as
// the program itself. The install test runs it against a temporary prefix.
#include "HelpPageAddress.h"

#include <QTextStream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: " << argv[0] << " PROGRAM_DIRECTORY\n";
        return 2;
    }
    const QUrl address = velmora::helpPageAddress(velmora::helpPageLocationsFor(QString::fromLocal8Bit(argv[1])));
    QTextStream(stdout) << address.toString() << '\n';
    return 0;
}
