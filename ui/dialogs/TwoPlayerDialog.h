// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

// The dialog of a round between two: one player types a title for the other
// to guess. The text is hidden unless the player ticks the box that shows
// it, so the other player can sit beside the screen. Below it, every key
// shows what the board will hold (hidden as well while the text is) or why
// the title cannot be played, and "Jugar" is enabled only for a title that
// can.
class TwoPlayerDialog final : public QDialog {
    Q_OBJECT

public:
    explicit TwoPlayerDialog(QWidget* parent = nullptr);

    // The typed title as the board will show it.
    std::u32string title() const;

private:
    void showVerdict();

    QLineEdit* typed_ = nullptr;
    QCheckBox* showTyped_ = nullptr;
    QLabel* verdict_ = nullptr;
    QPushButton* play_ = nullptr;
};

} // namespace velmora
