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
//
// Every picture the program carries is read through here (or through
// ScaledPicture, which reads with it): a single QPixmap(":/…"), QImage(":/…")
// or QIcon(":/…") anywhere in the program brings every format plugin back
// into the process for good. The test ui_pictures_read_as_png_test fails on
// any such read in the program's sources.
QPixmap readPngPicture(const QString& path, Qt::ImageConversionFlags flags = Qt::AutoColor);

} // namespace velmora
