// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpDialogs.h"
#include "HelpMenu.h"
#include "HelpViewer.h"
#include "NetworkCheck.h"
#include "UrlOpener.h"

#include <QUrl>

#include <memory>

namespace velmora {

// The main window's "Ver la Ayuda" and "Acerca de Velmora" items. Neither
// touches the game, so both can be used at any moment, also during a round.
class HelpItems final : public HelpMenu {
public:
    // The help page may be a web page or a local one; the shipped page is the
    // local copy that comes with the program (empty if it cannot be found).
    HelpItems(QUrl helpPage, QUrl shippedPage, std::unique_ptr<NetworkCheck> network,
              std::unique_ptr<UrlOpener> browser, std::unique_ptr<HelpViewer> viewer,
              std::unique_ptr<HelpDialogs> dialogs);

    // Opens the help page in the desktop's browser, or in the program's own
    // help window when there is no browser. A web page needs a connection,
    // and without one the player is told so instead.
    void mnuHelpAyuda_Click(QWidget* window) override;
    // Shows the About box with the maker and the version.
    void mnuHelpAbout_Click(QWidget* window) override;

private:
    QUrl helpPage_;
    QUrl shippedPage_;
    std::unique_ptr<NetworkCheck> network_;
    std::unique_ptr<UrlOpener> browser_;
    std::unique_ptr<HelpViewer> viewer_;
    std::unique_ptr<HelpDialogs> dialogs_;
};

} // namespace velmora
