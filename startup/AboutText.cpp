// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutText.h"

#include <QSysInfo>

namespace velmora {

QString aboutMakerAndVersion(int major, int minor)
{
    return QStringLiteral("VASTREL\nVelmora: Versión %1.%2").arg(major).arg(minor);
}

QString aboutBoxText(const QString& platformLine, int major, int minor)
{
    return platformLine + QStringLiteral("\n\n") + aboutMakerAndVersion(major, minor);
}

QString platformProductLine()
{
    return QSysInfo::prettyProductName() + QStringLiteral("\nQt ") + QString::fromLatin1(qVersion());
}

QString aboutBoxText()
{
    return aboutBoxText(platformProductLine(), VELMORA_VERSION_MAJOR, VELMORA_VERSION_MINOR);
}

} // namespace velmora
