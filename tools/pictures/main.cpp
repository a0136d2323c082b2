// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture and the program icon of the game into a directory:
//   draw_pictures OUTPUT_DIR
// writes OUTPUT_DIR/pictures/NAME.png and NAME@SCALEx.png for every scale the
// pictures are drawn for, OUTPUT_DIR/icons/velmora.ico,
// OUTPUT_DIR/icons/velmora-SIZE.png and OUTPUT_DIR/icons/velmora.svg. The
// drawing depends on nothing but this code, so running it again reproduces
// the same pictures (on another processor, up to a level in a few
// antialiased edge pixels) and the same SVG.

#include "Clapperboard.h"
#include "FilmStrip.h"
#include "IcoFile.h"
#include "ProgramIcon.h"
#include "ScalableIcon.h"
#include "Speaker.h"
#include "SplashTitle.h"
#include "painting/PictureScales.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <array>
#include <cstdio>

namespace velmora {
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

bool drawPictures(const QDir &pictures)
{
    for (const double scale : pictures::kScales) {
        const auto path = [&](const char *name) {
            return pictures.filePath(pictures::fileName(QString::fromLatin1(name), scale));
        };
        const bool written = writePng(path("filmstrip"), drawFilmStrip(scale))
            && writePng(path("speaker-on"), drawSpeaker(SpeakerState::On, scale))
            && writePng(path("speaker-off"), drawSpeaker(SpeakerState::Off, scale))
            && writePng(path("clapper-open"), drawClapperboard(Clapstick::Open, scale))
            && writePng(path("clapper-shut"), drawClapperboard(Clapstick::Shut, scale))
            && writePng(path("splash-title"), drawSplashTitle(scale));
        if (!written)
            return false;
    }
    return true;
}

bool drawIcons(const QDir &icons)
{
    IcoFile ico;
    for (const int size : {16, 32})
        ico.addPaletted(drawProgramIcon(size), 4);
    for (const int size : {16, 32, 48})
        ico.addPaletted(drawProgramIcon(size), 8);
    for (const int size : {16, 32, 48, 96, 128, 256}) {
        const QImage image = drawProgramIcon(size);
        ico.addTrueColour(image);
        if (!writePng(icons.filePath(QStringLiteral("velmora-%1.png").arg(size)), image))
            return false;
    }
    return writeFile(icons.filePath("velmora.ico"), ico.bytes())
        && writeFile(icons.filePath("velmora.svg"), drawScalableIcon());
}

} // namespace
} // namespace velmora

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
    const bool ok = velmora::drawPictures(QDir(out.filePath("pictures")))
        && velmora::drawIcons(QDir(out.filePath("icons")));
    return ok ? 0 : 1;
}
