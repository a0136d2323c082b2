// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace velmora {

// The maker and the version line under the platform's own lines of the About
// box: "VASTREL" and "Velmora: Versión <major>.<minor>".
QString aboutMakerAndVersion(int major, int minor);

// The whole body of the About box: the platform's product line, then the maker
// and version lines.
QString aboutBoxText(const QString& platformLine, int major, int minor);

// The operating system's name and the Qt version the program runs on.
QString platformProductLine();

// The body of the About box for this build of the program.
QString aboutBoxText();

} // namespace velmora
