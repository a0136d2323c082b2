// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScaledPicture.h"
#include "WindowControls.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace velmora {

// The window's drawing surface: the background, the gallows and its figure,
// the film strip with the strike boxes, the score band and the board, painted
// from the rules' state in the window's stacking order. Labels and images
// take the pointer over their rectangles; shapes and lines do not, so a
// movement over them counts as a movement over the bare window.
class GameSurface : public QWidget {
    Q_OBJECT

public:
    explicit GameSurface(const WindowControls& controls, QWidget* parent = nullptr);

    // Repaints what differs between the state last painted and the current
    // one; nothing at all when they are equal.
    void refresh();

    // The state the surface shows.
    const WindowControls& controls() const { return controls_; }

    // The tooltip shown over a point, if any label there carries one.
    QString toolTipAt(QPoint point) const;

    // Whether a point lies on the bare window, under no visible label or image.
    bool isBareSurface(QPoint point) const;

    std::function<void()> onBareSurfaceMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintGallows(QPainter& painter) const;
    void paintFigure(QPainter& painter) const;
    void paintBoard(QPainter& painter) const;
    void paintBanner(QPainter& painter);
    QRegion changedRegion() const;

    const WindowControls& controls_;
    WindowControls painted_;
    // The strip is a grey picture and is kept as its PNG decodes it, one byte a
    // pixel, rather than widened to 32 bits: it is drawn just the same.
    ScaledPicture filmStrip_{QStringLiteral("filmstrip"), Qt::NoFormatConversion};
};

} // namespace velmora
