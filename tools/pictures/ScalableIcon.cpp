// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScalableIcon.h"

#include "ProgramIcon.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace velmora {

QByteArray drawScalableIcon()
{
    constexpr int kSide = 256;
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setSize(QSize(kSide, kSide));
        generator.setViewBox(QRect(0, 0, kSide, kSide));
        generator.setTitle(QStringLiteral("Velmora"));
        generator.setDescription(QStringLiteral("A ruled writing pad with a felt pen writing on it"));
        QPainter painter(&generator);
        painter.setRenderHint(QPainter::Antialiasing);
        paintPadAndPen(painter, QRectF(0.0, 0.0, kSide, kSide));
    }
    return svg.data();
}

} // namespace velmora
