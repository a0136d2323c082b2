// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowControls.h"
#include "painting/Twips.h"

#include <array>

// Where the window's controls lie, in pixels, converted once from the twips
// they are laid out in.
namespace velmora::layout {

inline constexpr int kClientWidth = 769;
inline constexpr int kClientHeight = 265;

inline const QRect cmdGame = twipRect(8640, 120, 2775, 495);
inline const QRect cmdVoz = twipRect(120, 120, 345, 285);
inline const QRect frmeAns = twipRect(2880, 3360, 8535, 495);
inline const QRect cmdCancel = twipRect(8040, 50, 375, 420); // inside the answer frame
inline const QRect txtWord = twipRect(0, 0, 8535, 495);      // inside the answer frame

// The window's background picture, drawn at its top-left corner, is this
// plain grey rectangle, taller than the window; what the window shows of it is
// the panel on the left where the gallows and its figure are drawn.
inline const QRect backgroundPicture = QRect(0, 0, 185, 268);
inline const QRect gallowsPanel = backgroundPicture.intersected(QRect(0, 0, kClientWidth, kClientHeight));
inline const QRect Image1 = twipRect(2760, 0, 5775, 735);
inline const QRect shpPlayer = twipRect(8520, 0, 3015, 735);
inline const QRect lblScore = twipRect(2880, 720, 8535, 345);
inline const QRect Shape2 = twipRect(2760, 720, 8775, 375);
inline const QRect lblMono = twipRect(2040, 840, 2775, 3975);
inline const QRect lblWords = twipRect(2880, 3360, 8535, 495);
inline const QLineF Line1 = twipLine(2760, 0, 2760, 3960);

inline QRect lblStrike(int box) // box 1 to 8
{
    static const std::array<std::pair<int, int>, 8> leftWidth = {
        {{2840, 615}, {3550, 600}, {4255, 615}, {4975, 615}, {5685, 615}, {6405, 615}, {7125, 600}, {7835, 615}}};
    const auto [left, width] = leftWidth[static_cast<std::size_t>(box - 1)];
    return twipRect(left, 120, width, 495);
}

inline QRect lblLetter(int cell) // cell 1 to 42
{
    const int row = (cell - 1) / kBoardColumns;
    const int column = (cell - 1) % kBoardColumns;
    return twipRect(3000 + 600 * column, 1200 + 720 * row, 495, 495);
}

// What the window's own parts and the on-screen keyboard's keys paint alike:
// the window's dark colour, and a revealed cell's underline.
inline const QColor windowColour = bgr(0x000F0F0F);
inline constexpr int kUnderlineWidth = 2;

inline QLineF lnLetter(int cell)
{
    const int row = (cell - 1) / kBoardColumns;
    const int column = (cell - 1) % kBoardColumns;
    return twipLine(3000 + 600 * column, 1680 + 720 * row, 3480 + 600 * column, 1680 + 720 * row);
}

} // namespace velmora::layout
