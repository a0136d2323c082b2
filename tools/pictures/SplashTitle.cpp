// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SplashTitle.h"

#include "SplashLayout.h"
#include "painting/Fonts.h"
#include "painting/PictureScales.h"

#include <QFontInfo>
#include <QPainter>

#include <cstdio>

namespace velmora {

namespace {

bool isFace(const QFont &font, const QString &family)
{
    if (QFontInfo(font).family() == family)
        return true;
    std::fprintf(stderr, "draw_pictures: the face %s is not available\n", qPrintable(family));
    return false;
}

} // namespace

QImage drawSplashTitle(double scale)
{
    const QString word = QStringLiteral("VELMORA");
    // The product word is wider than its box at its nominal size; it is made
    // just small enough to stay whole on the black half of the clapperboard.
    const QFont wordFont = fittedFont(gameFont(Face::Sans, 26.25), word, splash::lblWordBox.width());
    const QFont markFont = gameFont(Face::Rounded, splash::markPoints);
    if (!isFace(wordFont, faceFamily(Face::Sans)) || !isFace(markFont, faceFamily(Face::Rounded)))
        return {};

    // The text is written white on black, as the window would write it on the
    // clapperboard's body; how bright each pixel comes out is then how much of
    // it the title covers, so drawn over black the title gives the same pixels.
    // At a larger scale it is written as the window would write it there.
    const QSize size = pictures::scaledSize(splash::clientSize, scale);
    QImage onBlack(size, QImage::Format_RGB32);
    onBlack.fill(Qt::black);
    {
        QPainter painter(&onBlack);
        painter.scale(scale, scale);
        painter.setPen(Qt::white);
        painter.setFont(wordFont);
        painter.drawText(splash::lblWordBox, Qt::AlignTop | Qt::AlignHCenter, word);
        painter.setFont(markFont);
        // The tail of the "Q" reaches below the box; it is drawn whole so the
        // mark never reads as an "O".
        painter.drawText(splash::lblLoadBox, Qt::AlignTop | Qt::AlignLeft | Qt::TextDontClip, QStringLiteral("Q"));
    }

    QImage title(size, QImage::Format_ARGB32);
    for (int y = 0; y < title.height(); ++y) {
        for (int x = 0; x < title.width(); ++x)
            title.setPixel(x, y, qRgba(255, 255, 255, qGreen(onBlack.pixel(x, y))));
    }
    return title;
}

} // namespace velmora
