// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Game.h"
#include "desktop/WindowServices.h"
#include "dialogs/QtDialogs.h"
#include "input/KeyRoad.h"
#include "painting/ScaledPicture.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QFrame;

namespace velmora {

class AnswerBox;
class FlatButton;
class GameSurface;
class MenuBarEscape;
class OnScreenKeyboard;
class PlayNarrator;
class TitleSourceMenu;

// The game's main window. It turns clicks, keys, menu items, pointer movement
// and timer ticks into the rules' handlers, and after each shows what the
// rules' state says. Its size is fixed: dragging a border springs back.
class frmVelmora : public QMainWindow, private Focus, private TimerHost {
    Q_OBJECT

public:
    explicit frmVelmora(WindowServices services, QWidget* parent = nullptr);
    ~frmVelmora() override;

    const Game& game() const { return game_; }
    QSize fixedSize() const { return {FixedWidth, FixedHeight}; }

    // Shows the on-screen keyboard under the game, or takes it away; the
    // window's fixed size grows and shrinks with it.
    void showKeyboard(bool shown);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The sound bank is loaded while the window loads, after the rules
    // exist; until then a cue has nothing to play.
    class SoundRelay final : public SoundOutput {
    public:
        void play(SoundClip clip) override;
        std::unique_ptr<SoundOutput> bank;
    };

    void buildControls();
    void buildMenus();
    void Form_Load();
    void Form_Resize();
    // Gives the window its fixed size, and on a desktop that tiles windows
    // tells the window manager that the size cannot change.
    void keepFixedSize();

    // Runs one of the rules' handlers, then shows the state it left.
    template <typename Handler>
    void handle(Handler&& handler);

    // A follower's tick. A tick that changed nothing puts its timer to rest
    // until the next change, so an idle window wakes up for nothing.
    void followerTick(TimerId id);
    void wakeFollowers();
    void showState();
    // Tells a listening screen reader what the last handler or tick changed.
    void narrate();

    void setFocus(FocusTarget target) override;
    void timerEnabledChanged(TimerId id, bool enabled) override;

    WindowServices services_;
    QtDialogs dialogs_{this, [this] { showState(); }};
    SoundRelay sound_;
    std::array<QTimer, kTimerCount> timers_;
    Game game_{{dialogs_, *this, *services_.random, sound_, *this}};
    std::optional<WindowControls> shown_; // what the widgets show now
    std::unique_ptr<PlayNarrator> narrator_; // made once a screen reader listens
    KeyRoad keys_;
    std::unique_ptr<MenuBarEscape> menuEscape_;

    GameSurface* surface_ = nullptr;
    FlatButton* cmdGame_ = nullptr;
    FlatButton* cmdVoz_ = nullptr;
    QFrame* frmeAns_ = nullptr;
    AnswerBox* txtWord_ = nullptr;
    FlatButton* cmdCancel_ = nullptr;
    OnScreenKeyboard* keyboard_ = nullptr; // only while shown
    QAction* mnuMenuNew_ = nullptr;
    std::unique_ptr<TitleSourceMenu> titleSources_;
    QAction* mnuSounds_ = nullptr;
    QAction* mnuKeyboard_ = nullptr;
    QAction* mnuMenuExit_ = nullptr;
    QAction* mnuHelpAyuda_ = nullptr;
    QAction* mnuHelpAbout_ = nullptr;
    ScaledPicture speakerOn_{QStringLiteral("speaker-on")};
    ScaledPicture speakerOff_{QStringLiteral("speaker-off")};

    int FixedWidth = 0;
    int FixedHeight = 0;
    int gameHeight_ = 0; // the fixed height without the on-screen keyboard
    bool desktopTiles_ = false;
};

} // namespace velmora
