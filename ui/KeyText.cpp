// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyText.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include <string>

namespace velmora {

namespace {

constexpr char16_t kDelete = 0x7F;
constexpr char32_t kLastLatin1 = 0xFF;

} // namespace

bool typesText(const QKeyEvent& event)
{
    const QString text = event.text();
    return !text.isEmpty() && text != QChar(kDelete);
}

int latin1KeyCode(const QKeyEvent& event)
{
    const QString text = event.text();
    if (!typesText(event) || text.size() != 1)
        return -1;
    const char16_t c = text.at(0).unicode();
    return c <= kLastLatin1 ? static_cast<int>(c) : -1;
}

void takeComposedText(QWidget& widget)
{
    widget.setAttribute(Qt::WA_InputMethodEnabled);
    // Each key is a guess on its own: an input method must not hold letters
    // back to suggest words, nor change their case.
    widget.setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase | Qt::ImhPreferLatin);
}

void deliverCommittedText(QInputMethodEvent& event, const std::function<void(int)>& onKeyCode)
{
    event.accept();
    const std::u32string characters = event.commitString().toStdU32String();
    QObject* const focus = QGuiApplication::focusObject();
    for (std::size_t i = 0; i < characters.size(); ++i) {
        QObject* const focusNow = QGuiApplication::focusObject();
        if (focusNow != focus) {
            if (focusNow != nullptr) {
                QInputMethodEvent rest;
                rest.setCommitString(QString::fromStdU32String(characters.substr(i)));
                QCoreApplication::sendEvent(focusNow, &rest);
            }
            return;
        }
        if (characters[i] <= kLastLatin1 && onKeyCode)
            onKeyCode(static_cast<int>(characters[i]));
    }
}

} // namespace velmora
