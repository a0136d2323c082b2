// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIconEngine>

namespace velmora {

// The program icon, read from its PNG at each size only when a window asks
// for it and not kept afterwards. The window system keeps its own copy of a
// window's icon, so holding every size decoded for the rest of the run would
// serve nothing; a new window reads the sizes it shows instead.
class ProgramIconEngine : public QIconEngine {
public:
    ProgramIconEngine() = default;

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;
};

} // namespace velmora
