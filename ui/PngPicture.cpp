#include "PngPicture.h"

#include <QImageReader>

namespace velmora {

QImage readPngPicture(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace velmora
