// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpItems.h"

#include "AboutText.h"
#include "desktop/ApplicationSetup.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace velmora {

namespace {

bool isWebAddress(const QUrl& address)
{
    return address.scheme() == QStringLiteral("http") || address.scheme() == QStringLiteral("https");
}

} // namespace

HelpItems::HelpItems(QUrl helpPage, QUrl shippedPage, std::unique_ptr<NetworkCheck> network,
                     std::unique_ptr<UrlOpener> browser, std::unique_ptr<HelpViewer> viewer,
                     std::unique_ptr<HelpDialogs> dialogs)
    : helpPage_(std::move(helpPage))
    , shippedPage_(std::move(shippedPage))
    , network_(std::move(network))
    , browser_(std::move(browser))
    , viewer_(std::move(viewer))
    , dialogs_(std::move(dialogs))
{
}

void HelpItems::mnuHelpAyuda_Click(QWidget* window)
{
    // Whatever fails here ends the item without a word: the player is told
    // only about a missing connection, and what was done before stays done.
    try {
        // The page on this machine needs neither a network nor a browser.
        if (!isWebAddress(helpPage_)) {
            showShippedPage(window);
            return;
        }
        if (!network_->isConnected()) {
            dialogs_->information(window, programName(),
                                  QStringLiteral("Se requiere una conexión a Internet, intente más tarde."));
            return;
        }
        // The desktop answers later; the game goes on meanwhile. The program
        // cannot show a web page itself, so when the desktop fails the page
        // that ships with it stands in.
        browser_->open(helpPage_, [this, owner = QPointer<QWidget>(window)](bool opened) {
            if (!opened && owner != nullptr)
                showShippedPage(owner);
        });
    } catch (...) {
    }
}

void HelpItems::showShippedPage(QWidget* window)
{
    try {
        if (!shippedPage_.isEmpty())
            viewer_->show(window, shippedPage_);
    } catch (...) {
    }
}

void HelpItems::mnuHelpAbout_Click(QWidget* window)
{
    dialogs_->about(window, QStringLiteral("Acerca de Velmora"), aboutBoxText());
}

} // namespace velmora
