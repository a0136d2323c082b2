// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader/PlayNarrator.h"

#include "painting/GameSurface.h"
#include "screenreader/Announcer.h"
#include "screenreader/GameSurfaceAccessible.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>

namespace velmora {

namespace {

// How long a control that took the focus keeps its short sentence before the
// whole standing, longer than a screen reader takes to say where the focus
// went.
constexpr int kBriefMs = 1500;

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
    window_.installEventFilter(this);
    QObject::connect(qApp, &QApplication::focusChanged, this, &PlayNarrator::focusArrived);
    describeFocus();
}

PlayNarrator::~PlayNarrator()
{
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
    // A control that has just taken the focus may have been given its short
    // sentence in the middle of the handler that led here.
    if (QWidget* focus = focusedControl(); focus != nullptr && briefly_.isActive())
        focus->setAccessibleDescription(spoken::brief(now));
    // While the score counts, the controls keep the score they told last.
    if (scoreSettled) {
        standing_ = spoken::standing(now);
        describeFocus();
    }
    if (sentence.isEmpty())
        return;
    // While the game's window is not the active one (a message box, a
    // dialog or help has the player's attention, or has just closed and the
    // desktop has not yet given the window back), the sentence waits for it.
    held_ << sentence;
    if (QApplication::activeWindow() == &window_)
        sayHeld();
}

bool PlayNarrator::eventFilter(QObject* watched, QEvent* event)
{
    // The screen reader hears of the activation before the window itself
    // does, and of the focus restored inside it only afterwards, so what
    // waited comes between the window's name and the focused control.
    if (watched == &window_ && event->type() == QEvent::WindowActivate)
        sayHeld();
    return false;
}

void PlayNarrator::sayHeld()
{
    if (!held_.isEmpty())
        announcer_->say(held_.join(QLatin1Char(' ')));
    held_.clear();
}

QWidget* PlayNarrator::focusedControl() const
{
    QWidget* focus = QApplication::focusWidget();
    return std::find(controls_.begin(), controls_.end(), focus) != controls_.end() ? focus : nullptr;
}

void PlayNarrator::focusArrived()
{
    QWidget* focus = focusedControl();
    if (focus == nullptr)
        return;
    focus->setAccessibleDescription(spoken::brief(told_));
    briefly_.start();
}

void PlayNarrator::describeFocus()
{
    QWidget* focus = focusedControl();
    if (focus != nullptr && !briefly_.isActive() && focus->accessibleDescription() != standing_)
        focus->setAccessibleDescription(standing_);
}

} // namespace velmora
