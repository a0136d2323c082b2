// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace velmora {

// The two modal boxes the Help menu shows. Each call returns when the player
// has closed the box.
class HelpDialogs {
public:
    virtual ~HelpDialogs() = default;
    // An information box with a single OK button.
    virtual void information(QWidget* owner, const QString& title, const QString& text) = 0;
    // The platform's About box, showing the program icon.
    virtual void about(QWidget* owner, const QString& title, const QString& text) = 0;
};

} // namespace velmora
