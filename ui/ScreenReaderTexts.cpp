// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenReaderTexts.h"

#include "QtText.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace velmora::spoken {

namespace {

constexpr std::u32string_view kDeathWord = U"¡MUERTO!";

// A text put together piece by piece, with the place of every character.
struct PlacedText {
    QString text;
    Places* places = nullptr;

    void add(const QString& piece, int place)
    {
        text += piece;
        if (places != nullptr)
            places->insert(places->end(), static_cast<std::size_t>(piece.size()), place);
    }
};

struct Token {
    QString text;
    int place = 0;
};

void strikeList(const WindowControls& controls, PlacedText& out)
{
    const int used = controls.filledStrikeBoxes();
    const QString count = QStringLiteral("%1 de %2").arg(used).arg(kStrikeBoxes);
    if (used == 0) {
        out.add(count, 0);
    } else if (deathWordShown(controls)) {
        out.add(count + QStringLiteral(": "), 1);
        for (int box = 1; box <= kStrikeBoxes; ++box)
            out.add(qtText(kDeathWord[static_cast<std::size_t>(box - 1)]), box);
    } else {
        QString separator = count + QStringLiteral(": ");
        for (int box = 1; box <= kStrikeBoxes; ++box) {
            const char32_t caption = controls.lblStrike[static_cast<std::size_t>(box - 1)].Caption;
            if (caption == 0)
                continue;
            out.add(separator + qtText(caption), box);
            separator = QStringLiteral(", ");
        }
    }
}

} // namespace

bool deathWordShown(const WindowControls& controls)
{
    return std::equal(controls.lblStrike.begin(), controls.lblStrike.end(), kDeathWord.begin(),
                      [](const StrikeBox& box, char32_t c) { return box.Caption == c; });
}

QString boardText(const WindowControls& controls, Places* places)
{
    // A cell holds a letter while its underline shows; any other cell between
    // two letters is a space, so each run of underlined cells is a word.
    std::vector<std::vector<Token>> words;
    std::vector<Token> word;
    for (int cell = 1; cell <= kBoardCells; ++cell) {
        const BoardCell& c = controls.lblLetter[static_cast<std::size_t>(cell - 1)];
        if (c.LineVisible) {
            word.push_back({c.LetterVisible ? qtText(c.Caption) : kHiddenLetter, cell});
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    PlacedText out{{}, places};
    if (words.empty()) {
        out.add(QStringLiteral("Vacío"), 0);
        return out.text;
    }
    QString separator = words.size() == 1 ? QStringLiteral("1 palabra: ")
                                          : QStringLiteral("%1 palabras: ").arg(words.size());
    for (const std::vector<Token>& letters : words) {
        for (const Token& letter : letters) {
            out.add(separator + letter.text, letter.place);
            separator = QStringLiteral(" ");
        }
        separator = QStringLiteral(", ");
    }
    return out.text;
}

QString strikesText(const WindowControls& controls, Places* places)
{
    PlacedText out{{}, places};
    strikeList(controls, out);
    // A letter typed again costs nothing and only flashes the boxes yellow;
    // said aloud, the flash is the only sign a player without sight gets.
    if (controls.lblStrike.front().BackColor == BoxColour::Yellow)
        out.add(QStringLiteral(", letra ya usada"), 0);
    return out.text;
}

QString scoreText(const WindowControls& controls)
{
    return qtText(controls.lblScoreCaption);
}

QString figureText(const WindowControls& controls)
{
    const Figure& f = controls.figure;
    const int drawn = static_cast<int>(f.prt1.Visible) + static_cast<int>(f.prt2.Visible) +
                      static_cast<int>(f.prt3.Visible) + static_cast<int>(f.prt4.Visible) +
                      static_cast<int>(f.prt5.Visible) + static_cast<int>(f.prt6.Visible);
    QString text = QStringLiteral("%1 de 6 partes dibujadas").arg(drawn);
    // The support under the feet goes only when the figure is hanged; the
    // "o o" eyes show the last miss before it.
    if (!f.prt8Visible)
        text += QStringLiteral(", ahorcado");
    else if (f.prt7.Visible && f.prt7.Caption == U"o o")
        text += QStringLiteral(", asustado");
    return text;
}

QString answerText(const WindowControls& controls)
{
    if (!controls.lblWordsVisible)
        return {};
    QString line = qtText(controls.lblWordsCaption);
    if (line.startsWith(QStringLiteral("R: ")))
        line.remove(0, 3);
    return line;
}

} // namespace velmora::spoken
