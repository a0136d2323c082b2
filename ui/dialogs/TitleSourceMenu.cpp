// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TitleSourceMenu.h"

#include "LoadedTitleList.h"
#include "dialogs/TwoPlayerDialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

namespace velmora {

namespace {

// An item whose check mark shows a state of the rules. Choosing it would
// toggle the mark at once; the mark is put back, and the window sets it
// again from the state the choice leads to, whatever the choice was.
QAction* addStateItem(QMenu& menu, const QString& text, const char* name)
{
    QAction* item = menu.addAction(text);
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(true);
    QObject::connect(item, &QAction::triggered, item, [item](bool checked) { item->setChecked(!checked); });
    return item;
}

} // namespace

TitleSourceMenu::TitleSourceMenu(QMenu& menu, QWidget& window, Dialogs& dialogs, Handlers handlers)
    : window_(window)
    , dialogs_(dialogs)
    , handlers_(std::move(handlers))
{
    mnuTwoPlayers_ = menu.addAction(QStringLiteral("Partida entre &dos…"));
    mnuTwoPlayers_->setObjectName(QStringLiteral("mnuTwoPlayers"));
    mnuTwoPlayers_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QObject::connect(mnuTwoPlayers_, &QAction::triggered, mnuTwoPlayers_, [this] { mnuTwoPlayers_Click(); });

    menu.addSeparator();
    mnuOwnTitles_ = addStateItem(menu, QStringLiteral("&Títulos propios…"), "mnuOwnTitles");
    mnuOwnTitles_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QObject::connect(mnuOwnTitles_, &QAction::triggered, mnuOwnTitles_, [this] { mnuOwnTitles_Click(); });
    mnuVelmoraTitles_ = addStateItem(menu, QStringLiteral("Títulos de &Velmora"), "mnuVelmoraTitles");
    QObject::connect(mnuVelmoraTitles_, &QAction::triggered, mnuVelmoraTitles_, [this] { handlers_.useCatalogue(); });
    menu.addSeparator();
}

void TitleSourceMenu::showChecks(bool velmoraTitles, bool ownTitles)
{
    mnuVelmoraTitles_->setChecked(velmoraTitles);
    mnuOwnTitles_->setChecked(ownTitles);
}

void TitleSourceMenu::mnuTwoPlayers_Click()
{
    TwoPlayerDialog dialog(&window_);
    if (dialog.exec() == QDialog::Accepted)
        handlers_.playTitle(dialog.title());
}

void TitleSourceMenu::mnuOwnTitles_Click()
{
    // The file dialog opens in the folder of the list in use, wherever it
    // was read from, else where the last list was picked.
    const TitleList* inUse = handlers_.listInUse ? handlers_.listInUse() : nullptr;
    if (inUse != nullptr && !inUse->file().empty())
        folder_ = QFileInfo(QFile::decodeName(inUse->file().c_str())).absolutePath();
    else if (folder_.isEmpty())
        folder_ = QDir::homePath();
    const QString path = QFileDialog::getOpenFileName(&window_, QStringLiteral("Títulos propios"), folder_,
                                                      QStringLiteral("Listas de títulos (*.txt);;Todos los ficheros (*)"));
    if (path.isEmpty())
        return;
    folder_ = QFileInfo(path).absolutePath();
    LoadedTitleList loaded = loadTitleList(QFile::encodeName(path).toStdString());
    if (loaded.list)
        handlers_.useTitleList(std::move(*loaded.list));
    if (!loaded.report.empty())
        dialogs_.showMessage(loaded.report, loaded.list ? MessageIcon::Information : MessageIcon::Warning,
                             MessageButtons::Ok);
}

} // namespace velmora
