// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velmora {

// A line of the gallows figure, in twips from the top-left of the window's
// client area.
struct FigureLine {
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
    bool Visible = false;

    bool operator==(const FigureLine&) const = default;
};

// The head: a circle in a box whose left, width and height never change.
struct FigureHead {
    static constexpr int Left = 1320;
    static constexpr int Width = 735;
    static constexpr int Height = 615;
    int Top = 600;
    bool Visible = false;

    bool operator==(const FigureHead&) const = default;
};

// The eyes: a label on the head whose caption tells the figure's mood.
struct FigureEyes {
    static constexpr int Left = 1440;
    static constexpr int Width = 495;
    static constexpr int Height = 375;
    int Top = 720;
    std::u32string Caption = U"- -";
    bool Visible = false;

    bool operator==(const FigureEyes&) const = default;
};

// The parts of the figure that strikes show, drop and hide; the gallows
// itself never changes and is the window's to draw.
struct Figure {
    FigureHead prt1;
    FigureLine prt2{1680, 1200, 1680, 2040};
    FigureLine prt3{1680, 1200, 1440, 2160};
    FigureLine prt4{1680, 1200, 1920, 2160};
    FigureLine prt5{1680, 2040, 1560, 3240};
    FigureLine prt6{1680, 2040, 1800, 3240};
    FigureEyes prt7;
    bool prt8Visible = true; // the support oval under the feet
    FigureLine LnSoga2{1620, 1200, 1740, 1200};
    FigureLine Line4{1800, 720, 1800, 480};
    FigureLine Line5{1860, 540, 1860, 780};
    FigureLine Line6{1920, 840, 1920, 600};

    // Puts every part back where it stands before a round and hides all but
    // the support.
    void resetStandingPose();

    // Drops the figure into the hanged pose: no support, "x x" eyes, no
    // strokes.
    void hang();

    bool operator==(const Figure&) const = default;
};

} // namespace velmora
