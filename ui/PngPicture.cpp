// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PngPicture.h"

#include <QImageReader>

namespace velmora {

QPixmap readPngPicture(const QString& path, Qt::ImageConversionFlags flags)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read(), flags);
}

} // namespace velmora
