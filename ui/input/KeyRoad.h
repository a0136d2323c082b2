// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/KeyRepeats.h"

#include <QHash>
#include <QObject>

#include <functional>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace velmora {

// The one road from the keyboard to the rules. Each focusable control of the
// game is attached here with the rules' handler for its keys; the road
// watches the control's events and hands the handler the code of the one
// character a key types on it, and of each character a dead key or an input
// method composes on it, as if typed. Which characters count is the rules'
// to decide; the road only finds the character. Keys that type none (the
// arrows, Tab, function keys, shortcuts) stay the control's own, as does
// what a button does when pressed.
//
// Keys come in two kinds. On the window, the game surface and their buttons
// every key is offered to the rules' key routine, once, by the control it was
// typed on. In the answer box the rules first say whether the box takes a
// typed character (0 drops it), and Enter is theirs alone, only when freshly
// pressed; text composed there passes the box's own filter (AnswerFilter).
class KeyRoad final : public QObject {
    Q_OBJECT

public:
    using GuessHandler = std::function<void(int)>;
    using AnswerHandler = std::function<int(int)>;

    explicit KeyRoad(QObject* parent = nullptr);

    // Keys typed and text composed on `control` go to `handler`.
    void takeGuesses(QWidget& control, GuessHandler handler);
    // Keys typed in `box` are offered to `handler` before the box types them.
    void takeAnswers(QLineEdit& box, AnswerHandler handler);

    // Types a character on `window` as its keyboard would: the key goes to
    // the control that has the focus there, or to the window, and travels
    // this road from there like any typed key. The on-screen keys type
    // through it.
    static void type(QWidget& window, char32_t character);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool guessKey(QObject& control, const QKeyEvent& key) const;
    bool answerKey(QKeyEvent& key);
    bool composedGuesses(QObject& control, QInputMethodEvent& text) const;

    QHash<const QObject*, GuessHandler> guesses_;
    const QObject* answerBox_ = nullptr;
    AnswerHandler answer_;
    KeyRepeats answerRepeats_{};
};

} // namespace velmora
