// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowControls.h"
#include "painting/ScaledPicture.h"

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

    // A repeated letter: while the strike boxes flash for it, the cells where
    // it stands and the strike box that holds it are framed, so the repeat
    // reads apart from a hit without its colour. Shown from the next refresh.
    void showRepeat(char32_t letter) { repeat_ = letter; }

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
    void paintRepeatFrames(QPainter& painter, bool board) const;

    const WindowControls& controls_;
    WindowControls painted_;
    char32_t repeat_ = 0;
    char32_t paintedRepeat_ = 0;
    // The strip is a grey picture and is kept as its PNG decodes it, one byte a
    // pixel, rather than widened to 32 bits: it is drawn just the same.
    ScaledPicture filmStrip_{QStringLiteral("filmstrip"), Qt::NoFormatConversion};
};

} // namespace velmora
