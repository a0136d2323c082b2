// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/KeyRoad.h"

#include "KeyCodes.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <string>

namespace velmora {

namespace {

constexpr int kBackspace = '\b';

// The code of the one character a key types, or -1 when it types none or
// more than one.
int typedCharacter(const QKeyEvent& key)
{
    const std::u32string text = key.text().toStdU32String();
    return text.size() == 1 ? static_cast<int>(text.front()) : -1;
}

// A key reaches the widget that has the focus in its window, or the window
// when none has; a key that widget leaves travels on to its parents, which
// must not take it a second time.
bool typedOn(const QObject& control)
{
    const QWidget* window = static_cast<const QWidget&>(control).window();
    const QWidget* focus = window->focusWidget();
    return &control == (focus != nullptr ? focus : window);
}

// Without input methods taken, the desktop's compose key and input method
// never see a widget's keys: a dead tilde then "n" reaches it as a plain "n".
// Each key is a guess of its own, so an input method must neither hold
// letters back to suggest words nor change their case.
void takeComposedText(QWidget& control)
{
    control.setAttribute(Qt::WA_InputMethodEnabled);
    control.setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase | Qt::ImhPreferLatin);
}

} // namespace

KeyRoad::KeyRoad(QObject* parent)
    : QObject(parent)
{
}

void KeyRoad::takeGuesses(QWidget& control, GuessHandler handler)
{
    guesses_.insert(&control, std::move(handler));
    takeComposedText(control);
    control.installEventFilter(this);
}

void KeyRoad::takeAnswers(QLineEdit& box, AnswerHandler handler)
{
    answerBox_ = &box;
    answer_ = std::move(handler);
    box.installEventFilter(this);
}

void KeyRoad::type(QWidget& window, char32_t character)
{
    QWidget* const focus = window.focusWidget();
    QWidget& target = focus != nullptr ? *focus : window;
    // Qt's code for a key is the upper-case form of the Latin-1 character it
    // types; Backspace and Enter have codes of their own.
    const QString text = QString::fromUcs4(&character, 1);
    int key = QChar::toUpper(character);
    if (character == static_cast<char32_t>(kBackspace))
        key = Qt::Key_Backspace;
    else if (character == static_cast<char32_t>(kKeyEnter))
        key = Qt::Key_Return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&target, &release);
}

bool KeyRoad::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == answerBox_)
            return answerKey(*static_cast<QKeyEvent*>(event));
        return guessKey(*watched, *static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        if (watched == answerBox_)
            answerRepeats_.released(*static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::InputMethod:
        return watched != answerBox_ && composedGuesses(*watched, *static_cast<QInputMethodEvent*>(event));
    default: return false;
    }
}

bool KeyRoad::guessKey(QObject& control, const QKeyEvent& key) const
{
    const int code = typedCharacter(key);
    if (code >= 0 && typedOn(control))
        guesses_.value(&control)(code);
    // The control goes on to do what it does with the key, a button to click.
    return false;
}

bool KeyRoad::answerKey(QKeyEvent& key)
{
    const int code = typedCharacter(key);
    if (code == kKeyEnter) {
        // The box does nothing with Enter, nor may it reach the window.
        if (!answerRepeats_.isRepeat(key))
            answer_(code);
        key.accept();
        return true;
    }
    // Delete, the cursor keys and shortcuts such as Ctrl+V edit the box as
    // usual; a pasted text passes the box's filter.
    const bool typesIntoBox = code == kBackspace || (code >= 0 && QChar::isPrint(static_cast<char32_t>(code)));
    if (!typesIntoBox || answer_(code) != 0)
        return false;
    key.accept();
    return true;
}

bool KeyRoad::composedGuesses(QObject& control, QInputMethodEvent& text) const
{
    text.accept();
    const std::u32string characters = text.commitString().toStdU32String();
    const QObject* const focus = QGuiApplication::focusObject();
    for (std::size_t i = 0; i < characters.size(); ++i) {
        // A character that moves the focus ("!" opens the answer box) sends
        // the rest of the text on to the control that now has it, as typing
        // would.
        QObject* const focusNow = QGuiApplication::focusObject();
        if (focusNow != focus) {
            if (focusNow != nullptr) {
                QInputMethodEvent rest;
                rest.setCommitString(QString::fromStdU32String(characters.substr(i)));
                QCoreApplication::sendEvent(focusNow, &rest);
            }
            break;
        }
        guesses_.value(&control)(static_cast<int>(characters[i]));
    }
    return true; // a button or the surface has no use of its own for the text
}

} // namespace velmora
