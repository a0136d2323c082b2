// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SplashSequence.h"
#include "painting/ScaledPicture.h"

#include <QTimer>
#include <QWidget>

#include <functional>

namespace velmora {

// The start-up window: a frameless clapperboard that counts the maker's mark up
// every half second, claps shut under "¡ACCIÓN!" and, at the fifth tick of
// Timer1, creates and shows the main window before it closes itself. Closing it
// earlier ends the program, since then no window is left.
class frmInicio : public QWidget {
    Q_OBJECT

public:
    // Creates the main window; the splash shows it and lets it live on its own.
    using MainWindowFactory = std::function<QWidget*()>;

    explicit frmInicio(MainWindowFactory createMainWindow, QWidget* parent = nullptr);

    // The tick of Timer1 (every 500 ms from creation).
    void Timer1_Timer();

    const SplashSequence& sequence() const { return sequence_; }

signals:
    // Emitted once, when the window has been painted for the first time: work
    // the splash does not need can wait until its picture is on the screen.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void handOver();

    MainWindowFactory createMainWindow_;
    SplashSequence sequence_{};
    QTimer* Timer1 = new QTimer(this);
    bool painted_ = false;
    // Each picture is read when it is first painted: the clapperboard shut,
    // painted instead of the open one once it claps, two seconds after start
    // rather than before the window's first picture.
    ScaledPicture clapperOpen_{QStringLiteral("clapper-open")};
    // The product word and the letter of the maker's mark: a picture, so the
    // first picture of the window writes no text.
    ScaledPicture title_{QStringLiteral("splash-title")};
    ScaledPicture clapperShut_{QStringLiteral("clapper-shut")};
};

} // namespace velmora
