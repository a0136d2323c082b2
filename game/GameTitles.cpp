// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where the titles of the rounds come from: the built-in catalogue, a list
// of the players' own, or a title one player types for the other.
#include "Game.h"

#include "TitleRule.h"

namespace velmora {

void Game::useTitleList(TitleList list)
{
    titleList_ = std::move(list);
    controls_.mnuVelmoraTitlesChecked = false;
    controls_.mnuOwnTitlesChecked = true;
    showCaption(captionSuffix_);
}

void Game::useCatalogue()
{
    titleList_.reset();
    controls_.mnuVelmoraTitlesChecked = true;
    controls_.mnuOwnTitlesChecked = false;
    showCaption(captionSuffix_);
}

void Game::playTitle(std::u32string_view typed)
{
    TitleCheck check = checkTitle(typed);
    if (check.playable())
        startRound(std::move(check.title));
}

} // namespace velmora
