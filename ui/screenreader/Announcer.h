// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace velmora {

// The window's status line for assistive technology, there only to be heard
// and read in braille; it takes no room, so the window looks the same with
// or without a screen reader.
//
// A screen reader presents a notification the moment it is shown, whatever
// has the keyboard focus, and changes to other objects only for the focused
// one. A notification inside a status bar, whose sentence is the text of a
// label inside it, is spoken without its role word, brailled and kept in
// the screen reader's list of messages as that sentence, and read again by
// its command that reads the status bar. So each sentence goes into a label
// of a notification that is then shown, while the one shown before is
// hidden.
class AnnouncerNote;

class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    void say(const QString& sentence);

private:
    // A screen reader reads a notification's label when it comes to it,
    // which may be after the next sentence: each note keeps its sentence
    // until its turn comes round again.
    std::array<AnnouncerNote*, 4> notes_{};
    std::size_t next_ = 0;
};

// One sentence of the status line, the text of the label inside it.
class AnnouncerNote final : public QWidget {
    Q_OBJECT

public:
    explicit AnnouncerNote(QWidget* statusLine);

    QLabel* const label;
};

} // namespace velmora
