// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "painting/ScaledPicture.h"

#include "painting/PictureScales.h"
#include "painting/PngPicture.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace velmora {

namespace {

qreal ratioOf(const QPainter& painter)
{
    return painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
}

} // namespace

ScaledPicture::ScaledPicture(QString name, Qt::ImageConversionFlags flags)
    : name_(std::move(name))
    , flags_(flags)
{
}

const QPixmap& ScaledPicture::at(qreal devicePixelRatio)
{
    const double scale = pictures::scaleFor(devicePixelRatio);
    if (scale != scale_) {
        drawing_ = readPngPicture(QStringLiteral(":/pictures/") + pictures::fileName(name_, scale), flags_);
        drawing_.setDevicePixelRatio(scale);
        scale_ = scale;
    }
    return drawing_;
}

void ScaledPicture::paint(QPainter& painter, const QRectF& box)
{
    const QPixmap& drawing = at(ratioOf(painter));
    painter.drawPixmap(box, drawing, QRectF(drawing.rect()));
}

void ScaledPicture::paint(QPainter& painter, const QPointF& topLeft)
{
    const QPixmap& drawing = at(ratioOf(painter));
    const QTransform& toDevice = painter.deviceTransform();
    const QPointF onDevice = toDevice.map(topLeft);
    const QPointF snapped(std::round(onDevice.x()), std::round(onDevice.y()));
    painter.drawPixmap(toDevice.inverted().map(snapped), drawing);
}

} // namespace velmora
