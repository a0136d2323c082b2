// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SpokenMoves.h"

#include <QMetaObject>

#include <array>
#include <vector>

class QWidget;

namespace velmora {

class Announcer;
class GameSurface;

// Tells assistive technology how the game moves on. Each time the window has
// shown a new state it hands it here; what differs from the state last told
// is spoken through the announcers, the painted parts tell their changes,
// and whichever of the window's controls has the focus carries where the game
// stands as its description, for a player who asks where the focus is. The
// window makes it only once a screen reader listens.
class PlayNarrator {
public:
    PlayNarrator(QWidget& window, GameSurface& surface, std::vector<QWidget*> controls, const PlayMoment& start);
    ~PlayNarrator();
    PlayNarrator(const PlayNarrator&) = delete;
    PlayNarrator& operator=(const PlayNarrator&) = delete;

    void stateChanged(const PlayMoment& now);

private:
    // Gives the focused control the standing, unless it has it already. Only
    // the focused one is told: every event costs a screen reader time, and
    // one that falls behind answers keys late.
    void describeFocus();

    GameSurface& surface_;
    std::vector<QWidget*> controls_; // children of the window, alive as long as this
    PlayMoment told_;
    QString standing_;
    QMetaObject::Connection focusWatch_;
    // A screen reader reads a notification's sentence when it comes to it,
    // which may be after the next one: each announcer keeps its sentence
    // until its turn comes round again.
    std::array<Announcer*, 4> announcers_{};
    std::size_t next_ = 0;
};

} // namespace velmora
