// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "painting/PngPicture.h"

#include "EmbeddedResource.h"

#include <QImageReader>

namespace velmora {

QPixmap readPngPicture(const QString& path, Qt::ImageConversionFlags flags)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage picture = reader.read();
    // The decoded picture is all the program keeps.
    letGoOfDecodedResources();
    return QPixmap::fromImage(picture, flags);
}

} // namespace velmora
