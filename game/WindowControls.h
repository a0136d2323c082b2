// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Figure.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr int kBoardCells = 42;
inline constexpr int kBoardColumns = 14;
inline constexpr int kStrikeBoxes = 8;
// Strike boxes are numbered 1 to 8 in the order misses fill them. A miss into
// the seventh frightens the figure and has a clip of its own; a miss into the
// eighth, the last, hangs it and loses the round.
inline constexpr int kFrightStrike = 7;
inline constexpr int kHangingStrike = kStrikeBoxes;
inline constexpr int kAnswerMaxLength = 42;
// What a wrong whole-title answer writes into the eight strike boxes, one
// character a box.
inline constexpr std::u32string_view kDeathWord = U"¡MUERTO!";
static_assert(kDeathWord.size() == kStrikeBoxes);
// What the answer line shows before the title once a round is lost.
inline constexpr std::u32string_view kAnswerPrefix = U"R: ";
// The window's caption starts with the game's name; until the first round
// starts it ends in the mark of a new game.
inline constexpr std::u32string_view kGameName = U"VELMORA";
inline constexpr std::u32string_view kNewGameMark = U" (NUEVO)";
// The speaker button's tooltip says what a click does.
inline constexpr std::u32string_view kHideSoundsTip = U" Ocultar Sonidos ";
inline constexpr std::u32string_view kShowSoundsTip = U" Mostrar Sonidos ";

// Colours as 0x00BBGGRR values.
enum class BoxColour : std::uint32_t {
    White = 0x00FFFFFF,
    BrightGreen = 0x0000FF00, // a letter found, until the flash ends
    Red = 0x000000FF,         // a miss, until the flash ends
    Yellow = 0x0000FFFF,      // a letter already used, until the flash ends
    Green = 0x0000C000,       // the round won
    DarkRed = 0x000000C0,     // the round lost
};

inline constexpr std::uint32_t kPlayButtonWhite = 0x00FFFFFF;
inline constexpr std::uint32_t kPlayButtonHover = 0x00E3541B;

enum class SpeakerPicture { On, Off };

// One of the 42 letter cells. The cell holds a letter while its underline is
// shown and is revealed while its letter is shown; the caption is the
// character laid into it (0 before anything was).
struct BoardCell {
    char32_t Caption = 0;
    bool LetterVisible = false; // the letter is shown
    bool LineVisible = false;   // the underline is shown

    bool operator==(const BoardCell&) const = default;
};

// A strike box: empty (0) or the character of a miss, on a background that
// flashes and ends the round in green or dark red.
struct StrikeBox {
    char32_t Caption = 0;
    BoxColour BackColor = BoxColour::White;

    bool operator==(const StrikeBox&) const = default;
};

// Everything the main window shows that the rules read back or write: the
// board, the strike boxes, the figure, the captions, the buttons' and menu
// items' flags and the answer box. It is plain data, so a window can compare
// two states and repaint only when something changed.
struct WindowControls {
    std::u32string Caption = std::u32string(kGameName).append(kNewGameMark);

    std::array<BoardCell, kBoardCells> lblLetter; // cell i is lblLetter[i - 1]
    std::u32string txtAlfa;                       // the used letters, never shown
    std::array<StrikeBox, kStrikeBoxes> lblStrike;

    std::u32string lblWordsCaption{kAnswerPrefix};
    bool lblWordsVisible = false;
    std::u32string lblScoreCaption = U"0";

    Figure figure;

    std::u32string cmdGameCaption = U"JUGAR";
    bool cmdGameEnabled = true;
    std::uint32_t cmdGameBackColor = kPlayButtonWhite;

    SpeakerPicture cmdVozPicture = SpeakerPicture::On;
    std::u32string cmdVozToolTip{kHideSoundsTip};

    bool mnuMenuNewEnabled = true;
    bool mnuSoundsChecked = true;
    // Which titles the rounds are drawn from: Velmora's or the player's list.
    bool mnuVelmoraTitlesChecked = true;
    bool mnuOwnTitlesChecked = false;

    bool frmeAnsVisible = false;
    std::u32string txtWord;

    // How many strike boxes hold a character.
    int filledStrikeBoxes() const;

    bool operator==(const WindowControls&) const = default;
};

} // namespace velmora
