// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextBrowserHelpViewer.h"

#include "HelpWindow.h"
#include "desktop/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

namespace velmora {

namespace {

// Wide enough for the page's tables without wrapping their first column,
// tall enough for a whole section; a smaller screen gets most of itself.
constexpr QSize preferredSize{760, 680};
constexpr qreal screenShare = 0.9;

// Centred on the game, as its message boxes are, and kept on its screen.
QRect placement(const QWidget* owner)
{
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {{}, preferredSize};
    const QRect available = screen->availableGeometry();
    const QSize size = preferredSize.boundedTo(available.size() * screenShare);
    const QPoint centre = owner != nullptr ? owner->frameGeometry().center() : available.center();
    return {centredPosition(size, centre, available), size};
}

HelpWindow* makeWindow(QWidget* owner)
{
    auto* window = new HelpWindow(owner);
    window->setGeometry(placement(owner));
    return window;
}

} // namespace

TextBrowserHelpViewer::~TextBrowserHelpViewer()
{
    delete window_.data();
}

void TextBrowserHelpViewer::show(QWidget* owner, const QUrl& page)
{
    if (window_ == nullptr)
        window_ = makeWindow(owner);
    // A window already on this page keeps the place the player scrolled or
    // jumped to.
    if (window_->source().adjusted(QUrl::RemoveFragment) != page)
        window_->setSource(page);
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    // The page itself takes the keys, and a screen reader starts reading it.
    window_->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace velmora
