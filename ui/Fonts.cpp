#include "Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QResource>
#include <QStringList>

#include <cmath>
#include <mutex>

namespace velmora {

namespace {

void addFace(const char* path)
{
    // The faces are stored uncompressed inside the program and used in place
    // rather than copied.
    const QResource face(QString::fromLatin1(path));
    QFontDatabase::addApplicationFontFromData(
        QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()), face.size()));
}

QStringList plainFamilies()
{
    return {QStringLiteral("Velmora Sans"), QStringLiteral("DejaVu Sans")};
}

} // namespace

void addGameFaces()
{
    static std::once_flag added;
    std::call_once(added, [] {
        addFace(":/fonts/VelmoraRounded-Bold.ttf");
        addFace(":/fonts/VelmoraSans-Regular.ttf");
        addFace(":/fonts/ComicNeue-Bold.otf");
    });
}

QFont gameFont(Face face, double points)
{
    addGameFaces();
    QFont font;
    switch (face) {
    case Face::Rounded:
        font.setFamilies({QStringLiteral("Velmora Rounded"), QStringLiteral("DejaVu Sans")});
        font.setWeight(QFont::Bold);
        break;
    case Face::Calibri:
        font.setFamilies(plainFamilies());
        break;
    case Face::ComicBold:
        font.setFamilies({QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
        font.setWeight(QFont::Bold);
        break;
    }
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    return font;
}

QFont interfaceFont(QFont desktopFont)
{
    addGameFaces();
    desktopFont.setFamilies(plainFamilies());
    return desktopFont;
}

QFont fittedFont(QFont font, const QString& text, int width)
{
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance > width)
        font.setPixelSize(font.pixelSize() * width / advance);
    return font;
}

} // namespace velmora
