#include "HelpItems.h"

#include "AboutText.h"

#include <QString>

namespace velmora {

HelpItems::HelpItems(QUrl helpPage, std::unique_ptr<NetworkCheck> network,
                     std::unique_ptr<UrlOpener> browser, std::unique_ptr<HelpDialogs> dialogs)
    : helpPage_(std::move(helpPage))
    , network_(std::move(network))
    , browser_(std::move(browser))
    , dialogs_(std::move(dialogs))
{
}

void HelpItems::mnuHelpAyuda_Click(QWidget* window)
{
    // Whatever fails here ends the item without a word: the player is told
    // only about a missing connection, and what was done before stays done.
    try {
        if (!network_->isConnected()) {
            dialogs_->information(window, QStringLiteral("Velmora"),
                                  QStringLiteral("Se requiere una conexión a Internet, intente más tarde."));
            return;
        }
        // The desktop's browser gives no loading state to wait for, and a
        // browser that cannot be started is one more silent failure.
        browser_->open(helpPage_);
    } catch (...) {
    }
}

void HelpItems::mnuHelpAbout_Click(QWidget* window)
{
    dialogs_->about(window, QStringLiteral("Acerca de Velmora"), aboutBoxText());
}

} // namespace velmora
