// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/KeyRepeats.h"

#include <QPushButton>

#include <functional>

namespace velmora {

class ScaledPicture;

// A button that paints its own background colour and picture instead of the
// platform's button face. Space and Enter click it only while
// `activatesOnKeys` allows, and only when freshly pressed: a held key's
// repeats click nothing. What the keys typed on it mean to the game is the
// key road's (KeyRoad).
class FlatButton : public QPushButton {
    Q_OBJECT

public:
    explicit FlatButton(QWidget* parent = nullptr);

    void setBackground(const QColor& colour);
    QColor background() const { return background_; }
    // The picture shown in the middle of the button; it must outlive the
    // button, or be replaced first.
    void setPicture(ScaledPicture* picture);

    std::function<bool()> activatesOnKeys = [] { return true; };
    std::function<void()> onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QColor background_{Qt::white};
    ScaledPicture* picture_ = nullptr;
    KeyRepeats repeats_{};
};

} // namespace velmora
