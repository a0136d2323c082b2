// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/SpokenMoves.h"

#include "painting/QtText.h"
#include "screenreader/ScreenReaderTexts.h"

#include <QStringList>

#include <cstdlib>

namespace velmora::spoken {

namespace {

QString counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

bool won(const RoundState& round)
{
    return round.RevealedCount == round.LettersLeft;
}

// The guess the rules judged between two moments, as they recorded it.
QString guessJudged(const PlayMoment& before, const PlayMoment& after)
{
    const LastMove& move = after.move;
    const QString letter = qtText(move.letter);
    switch (move.kind) {
    case MoveKind::Hit: {
        const int revealed = after.round.RevealedCount - before.round.RevealedCount;
        return QStringLiteral("Acierto: %1, %2: %3.")
            .arg(letter, counted(revealed, "casilla", "casillas"),
                 revealedPlaces(before.controls, after.controls));
    }
    case MoveKind::Miss: {
        const int used = after.controls.filledStrikeBoxes();
        QString said = QStringLiteral("Fallo: %1, %2 de %3.").arg(letter).arg(used).arg(kStrikeBoxes);
        if (used == kStrikeBoxes - 1)
            said += QStringLiteral(" Queda un fallo.");
        return said;
    }
    case MoveKind::Repeat: return QStringLiteral("Letra ya usada: %1.").arg(letter);
    case MoveKind::RightAnswer: return QStringLiteral("Título acertado.");
    case MoveKind::WrongAnswer: return QStringLiteral("Título equivocado.");
    case MoveKind::None: break;
    }
    return {};
}

QString roundEnd(const PlayMoment& now)
{
    const int points = std::abs(now.move.roundPoints);
    if (won(now.round))
        return QStringLiteral("Partida ganada: %1.").arg(counted(points, "punto", "puntos"));
    return QStringLiteral("Partida perdida. El título era %1. Penalización: %2.")
        .arg(qtText(now.round.CurrentTitle), counted(points, "punto", "puntos"));
}

} // namespace

QString announcement(const PlayMoment& before, const PlayMoment& after)
{
    QStringList said;
    const RoundState& was = before.round;
    const RoundState& is = after.round;

    // A new round finishes the count of the last one first.
    if (before.scoreCounting && !after.scoreCounting)
        said << scoreText(after.controls) + QLatin1Char('.');

    // A round starts with no letter used; one that starts again on the same
    // title before any key shows nothing new.
    const bool fresh = is.GameActive && after.controls.txtAlfa.empty();
    const bool wasFresh = was.GameActive && before.controls.txtAlfa.empty();
    const bool guessed = after.move.number != before.move.number && after.move.kind != MoveKind::None;
    if (fresh && !(wasFresh && was.CurrentTitle == is.CurrentTitle))
        said << QStringLiteral("Nueva partida: %1.").arg(wordLengths(after.controls));
    // The answer box closes as its title is judged.
    if (guessed)
        said << guessJudged(before, after);
    else if (before.controls.frmeAnsVisible && !after.controls.frmeAnsVisible)
        said << QStringLiteral("Cuadro de respuesta cerrado.");
    if (!before.controls.frmeAnsVisible && after.controls.frmeAnsVisible)
        said << QStringLiteral("Cuadro de respuesta abierto: escriba el título y pulse Intro.");
    if (was.GameActive && !is.GameActive)
        said << roundEnd(after);

    if (was.SoundOn != is.SoundOn)
        said << (is.SoundOn ? QStringLiteral("Sonidos activados.") : QStringLiteral("Sonidos desactivados."));
    return said.join(QLatin1Char(' '));
}

QString standing(const PlayMoment& now)
{
    QString said = QStringLiteral("Tablero: %1. %2.").arg(boardText(now.controls), strikesText(now.controls));
    const QString answer = answerText(now.controls);
    if (!answer.isEmpty())
        said += QStringLiteral(" Respuesta: %1.").arg(answer);
    return said + QStringLiteral(" %1.").arg(scoreText(now.controls));
}

QString brief(const PlayMoment& now)
{
    const RoundState& round = now.round;
    if (round.GameActive)
        return QStringLiteral("En juego: %1 por descubrir, %2 de %3 fallos.")
            .arg(counted(round.LettersLeft - round.RevealedCount, "letra", "letras"))
            .arg(now.controls.filledStrikeBoxes())
            .arg(kStrikeBoxes);
    // The score the count is heading for, which it shows once it ends.
    const QString score = kScoreLabel + QString::number(round.Score);
    if (round.CurrentTitle.empty())
        return QStringLiteral("Sin partida. %1.").arg(score);
    return QStringLiteral("%1 %2.").arg(won(round) ? QStringLiteral("Partida ganada.")
                                                   : QStringLiteral("Partida perdida."),
                                        score);
}

} // namespace velmora::spoken
