// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmVelmora.h"

#include "desktop/HelpMenu.h"
#include "desktop/WindowPlacement.h"
#include "dialogs/MenuShortcuts.h"
#include "dialogs/TitleSourceMenu.h"
#include "input/AnswerBox.h"
#include "input/FlatButton.h"
#include "input/MenuBarEscape.h"
#include "input/OnScreenKeyboard.h"
#include "painting/Fonts.h"
#include "painting/GameSurface.h"
#include "painting/Layout.h"
#include "painting/QtText.h"
#include "screenreader/AnswerBoxAccessible.h"
#include "screenreader/GameSurfaceAccessible.h"
#include "screenreader/PlayNarrator.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QMenuBar>
#include <QShortcut>

namespace velmora {

void frmVelmora::SoundRelay::play(SoundClip clip)
{
    if (bank)
        bank->play(clip);
}

frmVelmora::frmVelmora(WindowServices services, QWidget* parent)
    : QMainWindow(parent)
    , services_(std::move(services))
{
    for (TimerId id : kAllTimers) {
        QTimer& timer = timers_[static_cast<std::size_t>(id)];
        timer.setTimerType(id == TimerId::tmrScore ? Qt::PreciseTimer : Qt::CoarseTimer);
        if (isFollower(id))
            connect(&timer, &QTimer::timeout, this, [this, id] { followerTick(id); });
        else
            connect(&timer, &QTimer::timeout, this, [this, id] { handle([this, id] { game_.onTimer(id); }); });
    }
    setWindowTitle(qtText(game_.controls().Caption));
    buildControls();
    buildMenus();
    Form_Load();
}

frmVelmora::~frmVelmora()
{
    // No tick may reach the rules while the window is taken apart.
    for (QTimer& timer : timers_)
        timer.stop();
}

void frmVelmora::buildControls()
{
    GameSurfaceAccessible::install();
    AnswerBoxAccessible::install();
    surface_ = new GameSurface(game_.controls(), this);
    // A screen reader names the surface that holds the board and its parts.
    surface_->setAccessibleName(QStringLiteral("Partida"));
    surface_->setMinimumSize(layout::kClientWidth, layout::kClientHeight);
    surface_->onBareSurfaceMouseMove = [this] { handle([this] { game_.Form_MouseMove(); }); };
    setCentralWidget(surface_);


    cmdGame_ = new FlatButton(surface_);
    cmdGame_->setObjectName(QStringLiteral("cmdGame"));
    cmdGame_->setGeometry(layout::cmdGame);
    cmdGame_->setFont(buttonFont());
    cmdGame_->setFocusPolicy(Qt::StrongFocus);
    // Space or Enter must not throw a round away; between rounds they start
    // the next one.
    cmdGame_->activatesOnKeys = [this] { return !game_.round().GameActive; };
    cmdGame_->onMouseMove = [this] { handle([this] { game_.cmdGame_MouseMove(); }); };
    connect(cmdGame_, &QPushButton::clicked, this, [this] { handle([this] { game_.cmdGame_Click(); }); });

    cmdVoz_ = new FlatButton(surface_);
    cmdVoz_->setObjectName(QStringLiteral("cmdVoz"));
    cmdVoz_->setGeometry(layout::cmdVoz);
    cmdVoz_->setFocusPolicy(Qt::ClickFocus);
    // A screen reader names the picture-only button and tells whether the
    // sounds are on by its checked state, which follows the rules' switch.
    cmdVoz_->setAccessibleName(QStringLiteral("Sonido"));
    cmdVoz_->setCheckable(true);
    cmdVoz_->setAccessibleDescription(QStringLiteral("Quita o pone los sonidos."));
    connect(cmdVoz_, &QPushButton::clicked, this, [this] { handle([this] { game_.cmdVoz_Click(); }); });

    frmeAns_ = new QFrame(surface_);
    frmeAns_->setObjectName(QStringLiteral("frmeAns"));
    frmeAns_->setGeometry(layout::frmeAns);
    frmeAns_->setAutoFillBackground(true);
    frmeAns_->setPalette(QPalette(bgr(0x00E0E0E0)));
    frmeAns_->hide();

    txtWord_ = new AnswerBox(frmeAns_);
    txtWord_->setObjectName(QStringLiteral("txtWord"));
    txtWord_->setGeometry(layout::txtWord);
    txtWord_->setFont(gameFont(Face::Rounded, 18));
    txtWord_->setFrame(false);
    QPalette answerColours = txtWord_->palette();
    answerColours.setColor(QPalette::Base, Qt::white);
    answerColours.setColor(QPalette::Text, bgr(0x00400000));
    txtWord_->setPalette(answerColours);
    txtWord_->setToolTip(QStringLiteral(" Introduzca Frase a Adivinar "));
    txtWord_->setAccessibleName(QStringLiteral("Frase a adivinar"));
    txtWord_->setAccessibleDescription(QStringLiteral("Escriba el título entero y pulse Intro."));
    txtWord_->onDoubleClick = [this] { handle([this] { game_.txtWord_DblClick(); }); };
    connect(txtWord_, &QLineEdit::textEdited, this,
            [this](const QString& edited) { handle([&] { game_.txtWord_Change(edited.toStdU32String()); }); });

    cmdCancel_ = new FlatButton(frmeAns_);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setGeometry(layout::cmdCancel);
    cmdCancel_->setFont(buttonFont());
    cmdCancel_->setText(QStringLiteral("X"));
    cmdCancel_->setBackground(bgr(0x008080FF));
    cmdCancel_->setToolTip(QStringLiteral(" Cerrar Cuadro De Texto "));
    cmdCancel_->setAccessibleName(QStringLiteral("Cerrar"));
    cmdCancel_->setAccessibleDescription(QStringLiteral("Cierra el cuadro de la respuesta."));
    cmdCancel_->setFocusPolicy(Qt::StrongFocus);
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { handle([this] { game_.cmdCancel_Click(); }); });
    // Escape in the answer box, or on its close button, closes it as the
    // close button does; a held Escape closes it once.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), frmeAns_);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    escape->setAutoRepeat(false);
    connect(escape, &QShortcut::activated, cmdCancel_, &QAbstractButton::click);

    // Tab reaches the play button, then the answer box and its close button
    // while they are shown; the speaker button only takes the focus when
    // clicked.
    QWidget::setTabOrder(cmdGame_, txtWord_);
    QWidget::setTabOrder(txtWord_, cmdCancel_);

    // The window, the surface and the two buttons share the rules' key
    // routine, each under its own handler's name; the close button has no
    // key of its own.
    const auto routine = [this](void (Game::*handler)(int)) {
        return [this, handler](int code) { handle([&] { (game_.*handler)(code); }); };
    };
    keys_.takeGuesses(*this, routine(&Game::Form_KeyPress));
    keys_.takeGuesses(*surface_, routine(&Game::Form_KeyPress));
    keys_.takeGuesses(*cmdGame_, routine(&Game::cmdGame_KeyPress));
    keys_.takeGuesses(*cmdVoz_, routine(&Game::cmdVoz_KeyPress));
    keys_.takeAnswers(*txtWord_, [this](int code) {
        int taken = 0;
        handle([&] { taken = game_.txtWord_KeyPress(code); });
        return taken;
    });
}

void frmVelmora::buildMenus()
{
    // Every menu and item has an access key, shown the way the desktop's
    // style shows them; no two in the same menu share one.
    QMenu* mnuMenu = menuBar()->addMenu(QStringLiteral("&Menu"));
    mnuMenu->setObjectName(QStringLiteral("mnuMenu"));
    mnuMenuNew_ = mnuMenu->addAction(QStringLiteral("&Nuevo juego"));
    mnuMenuNew_->setObjectName(QStringLiteral("mnuMenuNew"));
    mnuMenuNew_->setShortcut(Qt::Key_F2);
    connect(mnuMenuNew_, &QAction::triggered, this, [this] { handle([this] { game_.mnuMenuNew_Click(); }); });
    titleSources_ = std::make_unique<TitleSourceMenu>(
        *mnuMenu, *this, dialogs_,
        TitleSourceMenu::Handlers{
            [this](std::u32string title) { handle([&] { game_.playTitle(title); }); },
            [this](TitleList list) { handle([&] { game_.useTitleList(std::move(list)); }); },
            [this] { handle([this] { game_.useCatalogue(); }); },
            [this] { return game_.titleList(); },
        });
    mnuSounds_ = mnuMenu->addAction(QStringLiteral("&Mostrar sonidos"));
    mnuSounds_->setObjectName(QStringLiteral("mnuSounds"));
    mnuSounds_->setShortcut(Qt::Key_F3);
    mnuSounds_->setCheckable(true);
    mnuSounds_->setChecked(true);
    connect(mnuSounds_, &QAction::triggered, this, [this] { handle([this] { game_.mnuSounds_Click(); }); });
    mnuKeyboard_ = mnuMenu->addAction(QStringLiteral("Teclado en &pantalla"));
    mnuKeyboard_->setObjectName(QStringLiteral("mnuKeyboard"));
    mnuKeyboard_->setCheckable(true);
    connect(mnuKeyboard_, &QAction::toggled, this, &frmVelmora::showKeyboard);
    mnuMenu->addSeparator();
    mnuMenuExit_ = mnuMenu->addAction(QStringLiteral("&Salir"));
    mnuMenuExit_->setObjectName(QStringLiteral("mnuMenuExit"));
    // Leaving ends the program at once: the event loop returns and no
    // further tick or handler runs.
    connect(mnuMenuExit_, &QAction::triggered, this, [] { QCoreApplication::exit(0); });

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpAyuda_ = mnuHelp->addAction(QStringLiteral("&Ver la Ayuda"));
    mnuHelpAyuda_->setObjectName(QStringLiteral("mnuHelpAyuda"));
    mnuHelpAyuda_->setShortcut(Qt::Key_F1);
    connect(mnuHelpAyuda_, &QAction::triggered, this, [this] {
        if (services_.help)
            services_.help->mnuHelpAyuda_Click(this);
    });
    mnuHelp->addSeparator();
    mnuHelpAbout_ = mnuHelp->addAction(QStringLiteral("&Acerca de Velmora"));
    mnuHelpAbout_->setObjectName(QStringLiteral("mnuHelpAbout"));
    connect(mnuHelpAbout_, &QAction::triggered, this, [this] {
        if (services_.help)
            services_.help->mnuHelpAbout_Click(this);
    });
    writeShortcutsIntoItems(*menuBar());
    menuEscape_ = std::make_unique<MenuBarEscape>(*menuBar());
}

void frmVelmora::Form_Load()
{
    adjustSize();
    FixedWidth = width();
    FixedHeight = height();
    gameHeight_ = FixedHeight;
    desktopTiles_ = desktopTilesWindows();
    if (services_.onScreenKeyboard)
        mnuKeyboard_->setChecked(true);
    keepFixedSize();
    if (services_.loadSounds)
        sound_.bank = services_.loadSounds();
    game_.Form_Load();
    if (services_.titles) {
        game_.useTitleList(std::move(*services_.titles));
        services_.titles.reset();
    }
    showState();

    centreOnScreen(*this);
    cmdGame_->setFocus();
    narrate();
}

template <typename Handler>
void frmVelmora::handle(Handler&& handler)
{
    // A screen reader that began listening only now hears the handler's
    // changes from the state before it.
    narrate();
    handler();
    wakeFollowers();
    showState();
    narrate();
}

void frmVelmora::followerTick(TimerId id)
{
    // A follower re-derives what the controls show. The board refresh also
    // writes each character of the title through GuessChar, the key
    // routine's scratch value, which changes nothing shown.
    const WindowControls controls = game_.controls();
    game_.onTimer(id);
    if (game_.controls() == controls) {
        timers_[static_cast<std::size_t>(id)].stop();
        return;
    }
    wakeFollowers();
    showState();
    narrate();
}

void frmVelmora::wakeFollowers()
{
    for (TimerId id : kAllTimers) {
        QTimer& timer = timers_[static_cast<std::size_t>(id)];
        if (isFollower(id) && game_.timerEnabled(id) && !timer.isActive())
            timer.start(intervalMs(id));
    }
}

void frmVelmora::showState()
{
    const WindowControls& now = game_.controls();
    if (shown_ && *shown_ == now)
        return;
    const bool first = !shown_;
    const auto changed = [&](auto member) { return first || (*shown_).*member != now.*member; };

    if (changed(&WindowControls::Caption))
        setWindowTitle(qtText(now.Caption));
    if (changed(&WindowControls::cmdGameCaption))
        cmdGame_->setText(qtText(now.cmdGameCaption));
    if (changed(&WindowControls::cmdGameEnabled))
        cmdGame_->setEnabled(now.cmdGameEnabled);
    if (changed(&WindowControls::cmdGameBackColor))
        cmdGame_->setBackground(bgr(now.cmdGameBackColor));
    if (changed(&WindowControls::cmdVozPicture)) {
        cmdVoz_->setPicture(now.cmdVozPicture == SpeakerPicture::On ? &speakerOn_ : &speakerOff_);
        cmdVoz_->setChecked(now.cmdVozPicture == SpeakerPicture::On);
    }
    if (changed(&WindowControls::cmdVozToolTip))
        cmdVoz_->setToolTip(qtText(now.cmdVozToolTip));
    if (changed(&WindowControls::mnuMenuNewEnabled))
        mnuMenuNew_->setEnabled(now.mnuMenuNewEnabled);
    if (changed(&WindowControls::mnuSoundsChecked))
        mnuSounds_->setChecked(now.mnuSoundsChecked);
    if (changed(&WindowControls::mnuVelmoraTitlesChecked) || changed(&WindowControls::mnuOwnTitlesChecked))
        titleSources_->showChecks(now.mnuVelmoraTitlesChecked, now.mnuOwnTitlesChecked);
    if (changed(&WindowControls::frmeAnsVisible))
        frmeAns_->setVisible(now.frmeAnsVisible);
    if (txtWord_->text().toStdU32String() != now.txtWord)
        txtWord_->setText(qtText(now.txtWord));
    shown_ = now;
    // The surface frames a repeated letter where it stands for as long as the
    // strike boxes flash for it.
    const LastMove& move = game_.lastMove();
    surface_->showRepeat(move.kind == MoveKind::Repeat ? move.letter : 0);
    surface_->refresh();
    if (keyboard_ != nullptr)
        keyboard_->showState(now);
}

void frmVelmora::narrate()
{
    // Nothing is made or compared while no screen reader listens.
    if (!QAccessible::isActive())
        return;
    PlayMoment now{game_.controls(), game_.round(), game_.timerEnabled(TimerId::tmrScore), game_.lastMove()};
    if (narrator_)
        narrator_->stateChanged(now);
    else
        narrator_ = std::make_unique<PlayNarrator>(
            *this, *surface_, std::vector<QWidget*>{cmdGame_, cmdVoz_, txtWord_, cmdCancel_, surface_}, now);
}

void frmVelmora::setFocus(FocusTarget target)
{
    // The rules move the focus in the middle of a handler; the widgets must
    // first show the state reached so far, for a hidden or disabled widget
    // cannot take the focus.
    showState();
    switch (target) {
    case FocusTarget::cmdGame: cmdGame_->setFocus(); break;
    case FocusTarget::txtWord: txtWord_->setFocus(); break;
    case FocusTarget::Form: surface_->setFocus(); break;
    }
}

void frmVelmora::timerEnabledChanged(TimerId id, bool enabled)
{
    QTimer& timer = timers_[static_cast<std::size_t>(id)];
    if (enabled)
        timer.start(intervalMs(id));
    else
        timer.stop();
}

} // namespace velmora
