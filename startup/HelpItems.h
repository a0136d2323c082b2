// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpDialogs.h"
#include "HelpViewer.h"
#include "NetworkCheck.h"
#include "UrlOpener.h"
#include "desktop/HelpMenu.h"

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

    // Shows the help page. The page that ships with the program is shown in
    // the program's own help window. A web page goes to the desktop's browser
    // and needs a connection, without which the player is told so instead;
    // when the desktop cannot open it, the shipped page is shown after all.
    void mnuHelpAyuda_Click(QWidget* window) override;
    // Shows the About box with the maker and the version.
    void mnuHelpAbout_Click(QWidget* window) override;

private:
    void showShippedPage(QWidget* window);

    QUrl helpPage_;
    QUrl shippedPage_;
    std::unique_ptr<NetworkCheck> network_;
    std::unique_ptr<UrlOpener> browser_;
    std::unique_ptr<HelpViewer> viewer_;
    std::unique_ptr<HelpDialogs> dialogs_;
};

} // namespace velmora
