// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's size: fixed, springing back after a resize, declared to
// a desktop that tiles windows, and grown and shrunk with the on-screen
// keyboard.
#include "frmVelmora.h"

#include "input/KeyRoad.h"
#include "input/OnScreenKeyboard.h"
#include "painting/GameSurface.h"
#include "painting/Layout.h"

#include <QAction>
#include <QEvent>
#include <QLayout>

namespace velmora {

void frmVelmora::Form_Resize()
{
    if (FixedWidth == 0 || isMinimized() || isMaximized() || isFullScreen())
        return;
    if (height() != FixedHeight)
        resize(width(), FixedHeight);
    if (width() != FixedWidth)
        resize(FixedWidth, height());
}

void frmVelmora::keepFixedSize()
{
    // The layout first takes in the surface's new size, so that the window
    // may shrink to it.
    layout()->activate();
    if (desktopTiles_)
        setFixedSize(FixedWidth, FixedHeight);
    else if (!isMinimized() && !isMaximized() && !isFullScreen())
        resize(FixedWidth, FixedHeight);
}

void frmVelmora::showKeyboard(bool shown)
{
    if (shown == (keyboard_ != nullptr))
        return;
    if (shown) {
        keyboard_ = new OnScreenKeyboard(surface_);
        keyboard_->setGeometry(0, layout::kClientHeight, layout::kClientWidth, OnScreenKeyboard::kHeight);
        keyboard_->onType = [this](char32_t character) { KeyRoad::type(*this, character); };
        keyboard_->showState(game_.controls());
        keyboard_->show();
    } else {
        delete keyboard_;
        keyboard_ = nullptr;
    }
    const int keyboardHeight = shown ? OnScreenKeyboard::kHeight : 0;
    surface_->setMinimumSize(layout::kClientWidth, layout::kClientHeight + keyboardHeight);
    FixedHeight = gameHeight_ + keyboardHeight;
    mnuKeyboard_->setChecked(shown);
    keepFixedSize();
}

void frmVelmora::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmVelmora::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

} // namespace velmora
