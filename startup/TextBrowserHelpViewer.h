// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpViewer.h"

#include <QPointer>

class QTextBrowser;

namespace velmora {

// The program's own help window "Ayuda de Velmora": a text browser that shows
// the page with its stylesheet and follows the links inside it.
class TextBrowserHelpViewer final : public HelpViewer {
public:
    TextBrowserHelpViewer() = default;
    ~TextBrowserHelpViewer() override;
    TextBrowserHelpViewer(const TextBrowserHelpViewer&) = delete;
    TextBrowserHelpViewer& operator=(const TextBrowserHelpViewer&) = delete;

    void show(QWidget* owner, const QUrl& page) override;

private:
    // Gone by itself when its owner, the main window, is destroyed.
    QPointer<QTextBrowser> window_{};
};

} // namespace velmora
