// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpViewer.h"

#include <QPointer>

namespace velmora {

class HelpWindow;

// Shows help pages in the program's own help window "Ayuda de Velmora",
// placed beside the game.
class TextBrowserHelpViewer final : public HelpViewer {
public:
    TextBrowserHelpViewer() = default;
    ~TextBrowserHelpViewer() override;
    TextBrowserHelpViewer(const TextBrowserHelpViewer&) = delete;
    TextBrowserHelpViewer& operator=(const TextBrowserHelpViewer&) = delete;

    void show(QWidget* owner, const QUrl& page) override;

private:
    // Gone by itself when its owner, the main window, is destroyed.
    QPointer<HelpWindow> window_{};
};

} // namespace velmora
