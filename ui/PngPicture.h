// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

namespace velmora {

// Reads one of the program's PNG pictures. Told the format and not to guess
// it, the reader decodes the file at once; left to guess, it first loads every
// image format plugin (and the JPEG library) to ask each whether it knows the
// file, and they stay mapped for the rest of the run. The flags say how the
// decoded picture may be converted for drawing.
QPixmap readPngPicture(const QString& path, Qt::ImageConversionFlags flags = Qt::AutoColor);

} // namespace velmora
