// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screenreader/SpokenMoves.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <vector>

class QWidget;

namespace velmora {

class Announcer;
class GameSurface;

// Tells assistive technology how the game moves on. Each time the window has
// shown a new state it hands it here; what differs from the state last told
// is spoken through the announcer, the painted parts tell their changes, and
// whichever of the window's controls has the focus carries where the game
// stands as its description, for a player who asks where the focus is. The
// window makes it only once a screen reader listens.
class PlayNarrator final : public QObject {
public:
    PlayNarrator(QWidget& window, GameSurface& surface, std::vector<QWidget*> controls, const PlayMoment& start);
    ~PlayNarrator() override;
    PlayNarrator(const PlayNarrator&) = delete;
    PlayNarrator& operator=(const PlayNarrator&) = delete;

    void stateChanged(const PlayMoment& now);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Gives the focused control the standing, unless it has it already. Only
    // the focused one is told: every event costs a screen reader time, and
    // one that falls behind answers keys late.
    void describeFocus();
    // A control that takes the focus is first described in one short
    // sentence, which a screen reader says as it arrives; the whole standing
    // follows a moment later, for where-am-I, unheard.
    void focusArrived();
    QWidget* focusedControl() const; // the focused one of controls_, if any
    void sayHeld();

    QWidget& window_;
    GameSurface& surface_;
    std::vector<QWidget*> controls_; // children of the window, alive as long as this
    PlayMoment told_;
    QString standing_;
    QTimer briefly_;
    Announcer* announcer_ = nullptr;
    // Sentences wait while the game's window is not active, not to talk over
    // a message box or dialog, and are said as the window comes back, right
    // after a screen reader has said the window's name.
    QStringList held_;
};

} // namespace velmora
