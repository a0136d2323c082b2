// Draws every picture and the program icon of the game into a directory:
//   draw_pictures OUTPUT_DIR
// writes OUTPUT_DIR/pictures/*.png, OUTPUT_DIR/icons/velmora.ico and
// OUTPUT_DIR/icons/velmora-SIZE.png. The drawing depends on nothing but this
// code, so running it again reproduces the same pictures (on another
// processor, up to a level in a few antialiased edge pixels).

#include "Clapperboard.h"
#include "FilmStrip.h"
#include "IcoFile.h"
#include "ProgramIcon.h"
#include "Speaker.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <array>
#include <cstdio>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writePng(const QString &path, const QImage &image)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage drawBackground()
{
    QImage image(185, 268, QImage::Format_RGB32);
    image.fill(QColor(127, 127, 127));
    return image;
}

bool drawPictures(const QDir &pictures)
{
    return writePng(pictures.filePath("background.png"), drawBackground())
        && writePng(pictures.filePath("filmstrip.png"), velmora::drawFilmStrip())
        && writePng(pictures.filePath("speaker-on.png"), velmora::drawSpeaker(velmora::SpeakerState::On))
        && writePng(pictures.filePath("speaker-off.png"), velmora::drawSpeaker(velmora::SpeakerState::Off))
        && writePng(pictures.filePath("clapper-open.png"), velmora::drawClapperboard(velmora::Clapstick::Open))
        && writePng(pictures.filePath("clapper-shut.png"), velmora::drawClapperboard(velmora::Clapstick::Shut));
}

bool drawIcons(const QDir &icons)
{
    velmora::IcoFile ico;
    for (const int size : {16, 32})
        ico.addPaletted(velmora::drawProgramIcon(size), 4);
    for (const int size : {16, 32, 48})
        ico.addPaletted(velmora::drawProgramIcon(size), 8);
    for (const int size : {16, 32, 48, 96, 128, 256}) {
        const QImage image = velmora::drawProgramIcon(size);
        ico.addTrueColour(image);
        if (!writePng(icons.filePath(QStringLiteral("velmora-%1.png").arg(size)), image))
            return false;
    }
    return writeFile(icons.filePath("velmora.ico"), ico.bytes());
}

} // namespace

int main(int argc, char *argv[])
{
    const QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_pictures OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("pictures") || !out.mkpath("icons")) {
        std::fprintf(stderr, "draw_pictures: cannot create the folders in %s\n", argv[1]);
        return 1;
    }
    const bool ok = drawPictures(QDir(out.filePath("pictures"))) && drawIcons(QDir(out.filePath("icons")));
    return ok ? 0 : 1;
}
