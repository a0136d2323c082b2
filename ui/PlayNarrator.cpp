// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayNarrator.h"

#include "Announcer.h"
#include "GameSurface.h"
#include "GameSurfaceAccessible.h"

#include <QApplication>

#include <algorithm>

namespace velmora {

PlayNarrator::PlayNarrator(QWidget& window, GameSurface& surface, std::vector<QWidget*> controls,
                           const PlayMoment& start)
    : surface_(surface)
    , controls_(std::move(controls))
    , told_(start)
    , standing_(spoken::standing(start))
{
    for (Announcer*& announcer : announcers_)
        announcer = new Announcer(&window);
    focusWatch_ = QObject::connect(qApp, &QApplication::focusChanged, [this] { describeFocus(); });
    describeFocus();
}

PlayNarrator::~PlayNarrator()
{
    QObject::disconnect(focusWatch_);
}

void PlayNarrator::stateChanged(const PlayMoment& now)
{
    if (now == told_)
        return;
    const bool scoreSettled = now.round.ShownScore == now.round.Score;
    GameSurfaceAccessible::announceChanges(surface_, told_.controls, scoreSettled);
    const QString sentence = spoken::announcement(told_, now);
    told_ = now;
    // While the score counts, the controls keep the score they told last.
    if (scoreSettled) {
        standing_ = spoken::standing(now);
        describeFocus();
    }
    if (!sentence.isEmpty()) {
        announcers_[next_]->say(sentence);
        next_ = (next_ + 1) % announcers_.size();
    }
}

void PlayNarrator::describeFocus()
{
    QWidget* focus = QApplication::focusWidget();
    if (std::find(controls_.begin(), controls_.end(), focus) != controls_.end() &&
        focus->accessibleDescription() != standing_)
        focus->setAccessibleDescription(standing_);
}

} // namespace velmora
