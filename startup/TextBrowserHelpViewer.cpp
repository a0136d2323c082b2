// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextBrowserHelpViewer.h"

#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

namespace velmora {

namespace {

// Wide enough for the page's tables without wrapping their first column,
// tall enough for a whole section; a smaller screen gets most of itself.
constexpr QSize preferredSize{760, 680};
constexpr qreal screenShare = 0.9;
// The page's own margins belong to elements that the text browser does not
// lay out, so the window keeps its text off the edges itself.
constexpr qreal pageMargin = 16;
constexpr qreal textPointSize = 12;

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

QTextBrowser* makeWindow(QWidget* owner)
{
    // As a window of its own that is a child of the main window, it stays
    // beside the game while the player goes on, and goes when the game ends
    // instead of keeping the program running.
    auto* window = new QTextBrowser(owner);
    window->setWindowFlags(Qt::Window);
    window->setWindowTitle(QStringLiteral("Ayuda de Velmora"));
    // Links between sections move within the window; a link to the web goes
    // to the desktop's browser.
    window->setOpenExternalLinks(true);
    window->document()->setDocumentMargin(pageMargin);
    QFont font = window->font();
    font.setPointSizeF(textPointSize);
    window->setFont(font);

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
}

} // namespace velmora
