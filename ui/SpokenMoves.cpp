// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpokenMoves.h"

#include "QtText.h"
#include "Scoring.h"
#include "ScreenReaderTexts.h"

#include <QStringList>

namespace velmora::spoken {

namespace {

QString counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

int wordCount(const std::u32string& title)
{
    int words = 0;
    bool inWord = false;
    for (char32_t c : title) {
        words += !inWord && c != U' ' ? 1 : 0;
        inWord = c != U' ';
    }
    return words;
}

bool flashesYellow(const WindowControls& controls)
{
    return controls.lblStrike.front().BackColor == BoxColour::Yellow;
}

// A fresh letter guess, judged between two moments of one round: it was
// appended to the used letters.
QString letterJudged(const PlayMoment& before, const PlayMoment& after)
{
    const std::u32string& used = after.controls.txtAlfa;
    const QString letter = qtText(used.back());
    const int revealed = after.round.RevealedCount - before.round.RevealedCount;
    if (revealed > 0)
        return QStringLiteral("Acierto: %1, %2.").arg(letter, counted(revealed, "casilla", "casillas"));
    return QStringLiteral("Fallo: %1, %2 de %3.")
        .arg(letter)
        .arg(after.controls.filledStrikeBoxes())
        .arg(kStrikeBoxes);
}

QString roundEnd(const RoundState& round)
{
    if (round.RevealedCount == round.LettersLeft)
        return QStringLiteral("Partida ganada: %1.").arg(
            counted(winPoints(round.RevealedCount, round.MissCount), "punto", "puntos"));
    const int penalty = lossPenalty(round.RevealedCount, round.TitleLength);
    return QStringLiteral("Partida perdida. El título era %1. Penalización: %2.")
        .arg(qtText(round.CurrentTitle), counted(penalty, "punto", "puntos"));
}

} // namespace

QString announcement(const PlayMoment& before, const PlayMoment& after)
{
    QStringList said;
    const RoundState& was = before.round;
    const RoundState& is = after.round;

    // A new round finishes the count of the last one first.
    if (before.scoreCounting && !after.scoreCounting)
        said << QStringLiteral("Puntuación: %1.").arg(scoreText(after.controls));

    // A round starts with no letter used; one that starts again on the same
    // title before any key shows nothing new.
    const std::u32string& used = after.controls.txtAlfa;
    const bool fresh = is.GameActive && used.empty();
    const bool wasFresh = was.GameActive && before.controls.txtAlfa.empty();
    if (fresh && !(wasFresh && was.CurrentTitle == is.CurrentTitle)) {
        said << QStringLiteral("Nueva partida: %1 en %2.")
                    .arg(counted(is.LettersLeft, "letra", "letras"),
                         counted(wordCount(is.CurrentTitle), "palabra", "palabras"));
    } else if (used.size() == before.controls.txtAlfa.size() + 1 &&
               used.compare(0, used.size() - 1, before.controls.txtAlfa) == 0) {
        said << letterJudged(before, after);
    } else if (flashesYellow(after.controls) && !flashesYellow(before.controls)) {
        said << QStringLiteral("Letra ya usada: %1.").arg(qtText(is.GuessChar));
    }

    const bool ended = was.GameActive && !is.GameActive;
    if (!before.controls.frmeAnsVisible && after.controls.frmeAnsVisible)
        said << QStringLiteral("Cuadro de respuesta abierto: escriba el título y pulse Intro.");
    if (before.controls.frmeAnsVisible && !after.controls.frmeAnsVisible) {
        if (ended && is.RevealedCount == is.LettersLeft)
            said << QStringLiteral("Título acertado.");
        else if (deathWordShown(after.controls) && !deathWordShown(before.controls))
            said << QStringLiteral("Título equivocado.");
        else
            said << QStringLiteral("Cuadro de respuesta cerrado.");
    }
    if (ended)
        said << roundEnd(is);

    if (was.SoundOn != is.SoundOn)
        said << (is.SoundOn ? QStringLiteral("Sonidos activados.") : QStringLiteral("Sonidos desactivados."));
    return said.join(QLatin1Char(' '));
}

QString standing(const PlayMoment& now)
{
    QString said = QStringLiteral("Tablero: %1. Fallos: %2.").arg(boardText(now.controls), strikesText(now.controls));
    const QString answer = answerText(now.controls);
    if (!answer.isEmpty())
        said += QStringLiteral(" Respuesta: %1.").arg(answer);
    return said + QStringLiteral(" Puntuación: %1.").arg(scoreText(now.controls));
}

} // namespace velmora::spoken
