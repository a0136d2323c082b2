// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ProgramIconEngine.h"

#include "painting/PngPicture.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace velmora {

namespace {

// The sizes the icon is drawn in, smallest first.
constexpr std::array kSides{16, 32, 48, 96, 128, 256};

// The drawn size best suited to a box: the smallest that covers it, or the
// largest there is.
int bestSide(const QSize& box)
{
    const int wanted = std::max(box.width(), box.height());
    const auto covering = std::find_if(kSides.begin(), kSides.end(), [wanted](int side) { return side >= wanted; });
    return covering == kSides.end() ? kSides.back() : *covering;
}

} // namespace

// The icon is only ever shown as a window's and a message box's picture,
// where it is drawn as it is whatever the mode and state.
QPixmap ProgramIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State)
{
    if (size.isEmpty())
        return {};
    const int side = bestSide(size);
    const QPixmap picture = readPngPicture(QStringLiteral(":/icons/velmora-%1.png").arg(side));
    if (picture.width() > size.width() || picture.height() > size.height())
        return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return picture;
}

void ProgramIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
}

QSize ProgramIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = std::min({bestSide(size), size.width(), size.height()});
    return {side, side};
}

QList<QSize> ProgramIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (int side : kSides)
        sizes.append(QSize(side, side));
    return sizes;
}

QString ProgramIconEngine::key() const
{
    return QStringLiteral("velmora-program-icon");
}

QIconEngine* ProgramIconEngine::clone() const
{
    return new ProgramIconEngine;
}

} // namespace velmora
