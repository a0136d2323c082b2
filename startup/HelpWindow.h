// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>

namespace velmora {

// The program's own help window "Ayuda de Velmora": a text browser beside the
// game that shows a help page with its stylesheet and follows the links
// inside it. Its text is written in the desktop's font, family and size,
// whatever face the page asks for, and follows the desktop when that font
// changes. Escape or Ctrl+W closes it; it is kept to be shown again.
class HelpWindow final : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* owner);

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
    void changeEvent(QEvent* event) override;

private:
    void writeInDesktopFace();
};

} // namespace velmora
