// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpDialogs.h"

namespace velmora {

// Qt's standard message boxes; their buttons speak Spanish through the
// translation that the application installs.
class StandardHelpDialogs final : public HelpDialogs {
public:
    void information(QWidget* owner, const QString& title, const QString& text) override;
    void about(QWidget* owner, const QString& title, const QString& text) override;
};

} // namespace velmora
