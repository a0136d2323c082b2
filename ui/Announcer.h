// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace velmora {

// A widget nobody sees, there only to be heard. Assistive technology finds it
// as a notification, and a screen reader speaks a notification the moment it
// is shown, whatever has the keyboard focus; changes to other objects it
// speaks only for the focused one. So each sentence is said by hiding the
// widget and showing it again with the sentence as its name. It takes no
// room, so reviewing the window by what is on the screen passes it by.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    void say(const QString& sentence);
};

} // namespace velmora
