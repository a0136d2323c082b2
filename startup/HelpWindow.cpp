// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpWindow.h"

#include "HelpDocumentAccessible.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QTextCursor>
#include <QTextDocument>

namespace velmora {

namespace {

// The page's own margins belong to elements that the text browser does not
// lay out, so the window keeps its text off the edges itself.
constexpr qreal pageMargin = 16;

} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QTextBrowser(owner)
{
    // As a window of its own that is a child of the main window, it stays
    // beside the game while the player goes on, and goes when the game ends
    // instead of keeping the program running.
    setWindowFlags(Qt::Window);
    setWindowTitle(QStringLiteral("Ayuda de Velmora"));
    // Links between sections move within the window; a link to the web goes
    // to the desktop's browser.
    setOpenExternalLinks(true);
    document()->setDocumentMargin(pageMargin);
    // A caret the arrow keys move, so that a screen reader reads the page
    // line by line as a document.
    setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);

    auto* closing = new QAction(this);
    closing->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    closing->setShortcutContext(Qt::WindowShortcut);
    connect(closing, &QAction::triggered, this, &QWidget::close);
    addAction(closing);
    HelpDocumentAccessible::attach(*this);
}

void HelpWindow::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    QTextBrowser::doSetSource(name, type);
    writeInDesktopFace();
}

void HelpWindow::changeEvent(QEvent* event)
{
    QTextBrowser::changeEvent(event);
    // The window's font is the desktop's, and the document's default font
    // follows it, sizes included; only the family the page names must be
    // replaced again.
    if (event->type() == QEvent::FontChange)
        writeInDesktopFace();
}

void HelpWindow::writeInDesktopFace()
{
    QTextCharFormat face;
    face.setFontFamilies(QStringList{font().family()});
    QTextCursor everything(document());
    everything.select(QTextCursor::Document);
    everything.mergeCharFormat(face);
}

} // namespace velmora
