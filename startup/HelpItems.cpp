// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpItems.h"

#include "AboutText.h"

#include <QString>

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
        // A page on this machine opens with or without a network.
        if (isWebAddress(helpPage_) && !network_->isConnected()) {
            dialogs_->information(window, QStringLiteral("Velmora"),
                                  QStringLiteral("Se requiere una conexión a Internet, intente más tarde."));
            return;
        }
        // The desktop's browser gives no loading state to wait for.
        if (browser_->open(helpPage_))
            return;
        // Without a browser the program shows the page it ships in its own
        // window; it cannot show a web page, so a web help page is replaced
        // by the shipped one too.
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
