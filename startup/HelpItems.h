#pragma once

#include "HelpDialogs.h"
#include "HelpMenu.h"
#include "NetworkCheck.h"
#include "UrlOpener.h"

#include <QUrl>

#include <memory>

namespace velmora {

// The main window's "Ver la Ayuda" and "Acerca de Velmora" items. Neither
// touches the game, so both can be used at any moment, also during a round.
class HelpItems final : public HelpMenu {
public:
    HelpItems(QUrl helpPage, std::unique_ptr<NetworkCheck> network,
              std::unique_ptr<UrlOpener> browser, std::unique_ptr<HelpDialogs> dialogs);

    // Opens the help page in the browser when the machine is connected, and
    // otherwise tells the player that a connection is needed.
    void mnuHelpAyuda_Click(QWidget* window) override;
    // Shows the About box with the maker and the version.
    void mnuHelpAbout_Click(QWidget* window) override;

private:
    QUrl helpPage_;
    std::unique_ptr<NetworkCheck> network_;
    std::unique_ptr<UrlOpener> browser_;
    std::unique_ptr<HelpDialogs> dialogs_;
};

} // namespace velmora
