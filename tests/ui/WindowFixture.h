// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameFakes.h"
#include "desktop/HelpMenu.h"
#include "frmVelmora.h"

#include <QImage>
#include <QMessageBox>

#include <memory>
#include <optional>

namespace velmora {

class GameSurface;

// Records which Help menu items were chosen.
class FakeHelpMenu final : public HelpMenu {
public:
    void mnuHelpAyuda_Click(QWidget*) override { ++helpShown; }
    void mnuHelpAbout_Click(QWidget*) override { ++aboutShown; }
    int helpShown = 0;
    int aboutShown = 0;
};

// A main window with a scripted random source, recorded sounds and a fake
// Help menu, shown and active on the offscreen screen; it starts with the
// player's own titles when it is given some.
struct WindowFixture {
    explicit WindowFixture(std::optional<TitleList> titles = std::nullopt);

    // Starts a round on a catalogue title with the play button.
    void startRound(std::u32string_view title);

    // The client area painted afresh.
    QImage client() const;

    // The client area as the window shows it: the pixels its repaints have
    // left, rather than a fresh painting.
    QImage shown() const;

    GameSurface* surface() const;
    const WindowControls& controls() const { return window->game().controls(); }

    template <typename T>
    T* child(const char* objectName) const
    {
        return window->findChild<T*>(QString::fromLatin1(objectName));
    }

    ScriptedRandom* random = nullptr;
    RecordingSound* sound = nullptr;
    FakeHelpMenu help;
    std::unique_ptr<frmVelmora> window;
};

// Answers the next message box that opens with the given button, and
// remembers what it showed.
struct MessageBoxAnswer {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    bool seen = false;
};
std::shared_ptr<MessageBoxAnswer> answerNextMessageBox(QMessageBox::StandardButton button);

// Sends the key events that type a text, one character a key, accented
// letters included.
void typeText(QWidget* widget, const QString& text);

} // namespace velmora
