// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenReaderTexts.h"

#include "QtText.h"

#include <QStringList>

#include <algorithm>
#include <string_view>

namespace velmora::spoken {

namespace {

// What a wrong whole-title answer writes into the strike boxes, one
// character a box.
constexpr std::u32string_view kDeathWord = U"¡MUERTO!";

QString strikeList(const WindowControls& controls)
{
    const int used = controls.filledStrikeBoxes();
    const QString count = QStringLiteral("%1 de %2").arg(used).arg(kStrikeBoxes);
    if (used == 0)
        return count;
    const bool deathWord = std::equal(controls.lblStrike.begin(), controls.lblStrike.end(), kDeathWord.begin(),
                                      [](const StrikeBox& box, char32_t c) { return box.Caption == c; });
    if (deathWord)
        return count + QStringLiteral(": ¡MUERTO!");
    QStringList misses;
    for (const StrikeBox& box : controls.lblStrike) {
        if (box.Caption != 0)
            misses << qtText(box.Caption);
    }
    return count + QStringLiteral(": ") + misses.join(QStringLiteral(", "));
}

} // namespace

QString boardText(const WindowControls& controls)
{
    // A cell holds a letter while its underline shows; any other cell between
    // two letters is a space, so each run of underlined cells is a word.
    QStringList words;
    QStringList word;
    for (const BoardCell& cell : controls.lblLetter) {
        if (cell.LineVisible) {
            word << (cell.LetterVisible ? qtText(cell.Caption) : kHiddenLetter);
        } else if (!word.isEmpty()) {
            words << word.join(QLatin1Char(' '));
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word.join(QLatin1Char(' '));
    if (words.isEmpty())
        return QStringLiteral("Vacío");
    const QString count = words.size() == 1 ? QStringLiteral("1 palabra")
                                            : QStringLiteral("%1 palabras").arg(words.size());
    return count + QStringLiteral(": ") + words.join(QStringLiteral(", "));
}

QString strikesText(const WindowControls& controls)
{
    // A letter typed again costs nothing and only flashes the boxes yellow;
    // said aloud, the flash is the only sign a player without sight gets.
    if (controls.lblStrike.front().BackColor == BoxColour::Yellow)
        return strikeList(controls) + QStringLiteral(", letra ya usada");
    return strikeList(controls);
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
