// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace velmora {

// The two items of the "Ayuda" menu. The window only forwards the choice; what
// the items do (the connection check, the browser, the About box) lives with
// the start-up code, which hands an implementation to the window.
class HelpMenu {
public:
    virtual ~HelpMenu() = default;
    virtual void mnuHelpAyuda_Click(QWidget* window) = 0;
    virtual void mnuHelpAbout_Click(QWidget* window) = 0;
};

} // namespace velmora
