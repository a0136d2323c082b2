// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayNarrator.h"

#include "Announcer.h"
#include "GameSurface.h"
#include "GameSurfaceAccessible.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>

namespace velmora {

namespace {

// How long a control that took the focus keeps its short sentence before the
// whole standing, longer than a screen reader takes to say where the focus
// went.
constexpr int kBriefMs = 1500;
// How long a sentence waits for the game's window to be active again, should
// the desktop never make it so.
constexpr int kHoldMs = 1000;

} // namespace

PlayNarrator::PlayNarrator(QWidget& window, GameSurface& surface, std::vector<QWidget*> controls,
                           const PlayMoment& start)
    : window_(window)
    , surface_(surface)
    , controls_(std::move(controls))
    , told_(start)
    , standing_(spoken::standing(start))
    , announcer_(new Announcer(&window))
{
    briefly_.setSingleShot(true);
    briefly_.setInterval(kBriefMs);
    QObject::connect(&briefly_, &QTimer::timeout, this, &PlayNarrator::describeFocus);
    holdLimit_.setSingleShot(true);
    holdLimit_.setInterval(kHoldMs);
    QObject::connect(&holdLimit_, &QTimer::timeout, this, &PlayNarrator::sayHeld);
    window_.installEventFilter(this);
    focusWatch_ = QObject::connect(qApp, &QApplication::focusChanged, this,
                                   [this](QWidget*, QWidget* now) { focusArrived(now); });
    describeFocus();
}

PlayNarrator::~PlayNarrator()
{
    QObject::disconnect(focusWatch_);
    window_.removeEventFilter(this);
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
    if (sentence.isEmpty())
        return;
    if (QApplication::activeWindow() == &window_ && held_.isEmpty()) {
        announcer_->say(sentence);
        return;
    }
    held_ << sentence;
    holdLimit_.start();
}

bool PlayNarrator::eventFilter(QObject* watched, QEvent* event)
{
    // The screen reader hears of the activation before the window itself
    // does, and of the focus restored inside it only afterwards.
    if (watched == &window_ && event->type() == QEvent::WindowActivate)
        sayHeld();
    return false;
}

void PlayNarrator::sayHeld()
{
    holdLimit_.stop();
    if (!held_.isEmpty())
        announcer_->say(held_.join(QLatin1Char(' ')));
    held_.clear();
}

void PlayNarrator::focusArrived(QWidget* focus)
{
    if (std::find(controls_.begin(), controls_.end(), focus) == controls_.end())
        return;
    focus->setAccessibleDescription(spoken::brief(told_));
    briefly_.start();
}

void PlayNarrator::describeFocus()
{
    QWidget* focus = QApplication::focusWidget();
    if (briefly_.isActive() ||
        std::find(controls_.begin(), controls_.end(), focus) == controls_.end() ||
        focus->accessibleDescription() == standing_)
        return;
    focus->setAccessibleDescription(standing_);
}

} // namespace velmora
