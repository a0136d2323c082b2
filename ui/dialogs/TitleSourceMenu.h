// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"
#include "TitleList.h"

#include <QString>

#include <functional>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace velmora {

// The items of the "Menu" menu that choose the titles of the rounds:
// "Partida entre dos…" (Ctrl+D) asks one player for a title and starts a
// round on it; "Títulos propios…" (Ctrl+O) reads a list file the player
// picks, tells the player which lines it refused and, if any line is
// playable, has the rounds drawn from it; "Títulos de Velmora" goes back to
// the built-in catalogue. The check marks of the last two follow the rules'
// state, which the window shows through showChecks().
class TitleSourceMenu {
public:
    struct Handlers {
        std::function<void(std::u32string)> playTitle;
        std::function<void(TitleList)> useTitleList;
        std::function<void()> useCatalogue;
        std::function<const TitleList*()> listInUse; // the players' list rounds are drawn from, if any
    };

    // Adds the items to the end of `menu`, each group after a separator of
    // its own. Dialogs open over `window`; the messages go through `dialogs`.
    TitleSourceMenu(QMenu& menu, QWidget& window, Dialogs& dialogs, Handlers handlers);

    void showChecks(bool velmoraTitles, bool ownTitles);

private:
    void mnuTwoPlayers_Click();
    void mnuOwnTitles_Click();

    QWidget& window_;
    Dialogs& dialogs_;
    Handlers handlers_;
    QAction* mnuTwoPlayers_ = nullptr;
    QAction* mnuOwnTitles_ = nullptr;
    QAction* mnuVelmoraTitles_ = nullptr;
    QString folder_; // where the file dialog opened last or a list was picked; home at first
};

} // namespace velmora
