// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/ScreenReaderTexts.h"

#include "painting/QtText.h"

#include <QStringList>

#include <algorithm>
#include <string_view>
#include <vector>

namespace velmora::spoken {

namespace {

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

void strikeList(const WindowControls& controls, PlacedText& out)
{
    const int used = controls.filledStrikeBoxes();
    const QString count = QStringLiteral("Fallos: %1 de %2").arg(used).arg(kStrikeBoxes);
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

// The cells of each word on the board, in reading order: a cell holds a
// letter while its underline shows, and any other cell between two letters is
// a space, so each run of underlined cells is a word, even one that runs on
// into the next row.
std::vector<std::vector<int>> boardWords(const WindowControls& controls)
{
    std::vector<std::vector<int>> words;
    std::vector<int> word;
    for (int cell = 1; cell <= kBoardCells; ++cell) {
        if (controls.lblLetter[static_cast<std::size_t>(cell - 1)].LineVisible) {
            word.push_back(cell);
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

// "a", "a y b", "a, b y c".
QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") + items.back();
}

} // namespace

bool deathWordShown(const WindowControls& controls)
{
    return std::equal(controls.lblStrike.begin(), controls.lblStrike.end(), kDeathWord.begin(),
                      [](const StrikeBox& box, char32_t c) { return box.Caption == c; });
}

QString boardText(const WindowControls& controls, Places* places)
{
    PlacedText out{{}, places};
    const std::vector<std::vector<int>> words = boardWords(controls);
    if (words.empty()) {
        out.add(QStringLiteral("Vacío"), 0);
        return out.text;
    }
    QString separator = words.size() == 1 ? QStringLiteral("1 palabra: ")
                                          : QStringLiteral("%1 palabras: ").arg(words.size());
    for (const std::vector<int>& word : words) {
        for (int cell : word) {
            const BoardCell& c = controls.lblLetter[static_cast<std::size_t>(cell - 1)];
            out.add(separator + (c.LetterVisible ? qtText(c.Caption) : kHiddenLetter), cell);
            separator = QStringLiteral(" ");
        }
        separator = QStringLiteral(", ");
    }
    return out.text;
}

QString wordLengths(const WindowControls& controls)
{
    const std::vector<std::vector<int>> words = boardWords(controls);
    QStringList lengths;
    for (const std::vector<int>& word : words)
        lengths << QString::number(word.size());
    const bool one = words.size() == 1 && words.front().size() == 1;
    return QStringLiteral("%1 %2: %3 %4")
        .arg(words.size())
        .arg(words.size() == 1 ? QStringLiteral("palabra") : QStringLiteral("palabras"), listed(lengths),
             one ? QStringLiteral("letra") : QStringLiteral("letras"));
}

QString revealedPlaces(const WindowControls& before, const WindowControls& after)
{
    QStringList places;
    const std::vector<std::vector<int>> words = boardWords(after);
    for (std::size_t w = 0; w < words.size(); ++w) {
        QStringList letters;
        for (std::size_t l = 0; l < words[w].size(); ++l) {
            const auto cell = static_cast<std::size_t>(words[w][l] - 1);
            if (after.lblLetter[cell].LetterVisible && !before.lblLetter[cell].LetterVisible)
                letters << QString::number(l + 1);
        }
        if (!letters.isEmpty())
            places << QStringLiteral("palabra %1, %2 %3")
                          .arg(w + 1)
                          .arg(letters.size() == 1 ? QStringLiteral("letra") : QStringLiteral("letras"),
                               listed(letters));
    }
    return places.join(QStringLiteral("; "));
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
    return kScoreLabel + qtText(controls.lblScoreCaption);
}

QString figureText(const WindowControls& controls)
{
    // Each of the first six misses draws a part, the seventh frightens the
    // figure ("o o" eyes) and the eighth hangs it, taking away the support
    // under its feet.
    const Figure& f = controls.figure;
    const bool hanged = !f.prt8Visible;
    const bool frightened = !hanged && f.prt7.Visible && f.prt7.Caption == U"o o";
    const int drawn = static_cast<int>(f.prt1.Visible) + static_cast<int>(f.prt2.Visible) +
                      static_cast<int>(f.prt3.Visible) + static_cast<int>(f.prt4.Visible) +
                      static_cast<int>(f.prt5.Visible) + static_cast<int>(f.prt6.Visible);
    const int misses = hanged ? kHangingStrike : frightened ? kFrightStrike : drawn;
    QString text = QStringLiteral("%1 de %2 fallos dibujados").arg(misses).arg(kStrikeBoxes);
    if (hanged)
        text += QStringLiteral(", ahorcado");
    else if (frightened)
        text += QStringLiteral(", asustado");
    return text;
}

QString answerText(const WindowControls& controls)
{
    if (!controls.lblWordsVisible)
        return {};
    QString line = qtText(controls.lblWordsCaption);
    const QString prefix = qtText(kAnswerPrefix);
    if (line.startsWith(prefix))
        line.remove(0, prefix.size());
    return line;
}

} // namespace velmora::spoken
