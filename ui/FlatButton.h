// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QPushButton>

#include <functional>

namespace velmora {

// A button that paints its own background colour and picture instead of the
// platform's button face. Every key typed on it is reported as a Latin-1
// code; Space and Enter click it only while `activatesOnKeys` allows.
class FlatButton : public QPushButton {
    Q_OBJECT

public:
    explicit FlatButton(QWidget* parent = nullptr);

    void setBackground(const QColor& colour);
    QColor background() const { return background_; }
    void setPicture(const QPixmap& picture);

    std::function<void(int)> onKeyCode;
    std::function<bool()> activatesOnKeys = [] { return true; };
    std::function<void()> onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QColor background_{Qt::white};
    QPixmap picture_;
};

} // namespace velmora
