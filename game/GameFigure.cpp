// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// The gallows figure following the strike boxes.
#include "Game.h"

namespace velmora {

void Game::tmrHanged_Timer()
{
    const auto filled = [this](int box) {
        return controls_.lblStrike[static_cast<std::size_t>(box - 1)].Caption != 0;
    };
    Figure& figure = controls_.figure;

    figure.prt1.Visible = filled(1);
    figure.prt7.Visible = filled(1);
    figure.LnSoga2.Visible = filled(1);
    figure.prt2.Visible = filled(2);
    figure.prt3.Visible = filled(3);
    figure.prt4.Visible = filled(4);
    figure.prt5.Visible = filled(5);
    figure.prt6.Visible = filled(6);

    if (filled(kFrightStrike)) {
        figure.prt7.Caption = U"o o";
        figure.Line4.Visible = true;
        figure.Line5.Visible = true;
        figure.Line6.Visible = true;
    } else if (!filled(1)) {
        figure.prt7.Visible = false;
    }

    if (filled(kHangingStrike)) {
        figure.hang();
        setStrikeColour(BoxColour::DarkRed);
        controls_.lblWordsVisible = true;
        setTimer(TimerId::tmrHanged, false);
    }
}

} // namespace velmora
