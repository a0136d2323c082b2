#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
"""Keeps, of a Qt translation in .ts form, only what the game can show.

The game carries Qt's Spanish translation for the texts of Qt's own that it
shows: the standard buttons, the context menus of the answer box and of the
help window, the file dialog that opens a list of titles, the names a screen
reader speaks, key names. Qt's catalogue also translates the print, colour
and font dialogs, networking, databases, XML and other parts of Qt the game
never uses, nearly three quarters of it; they are dropped here, by the
context each text belongs to. A context not named below
is kept, so a part of Qt the game starts to use later still speaks Spanish.

Usage: keep-shown-contexts.py IN.ts OUT.ts
"""

import re
import sys
import xml.etree.ElementTree as ElementTree

# The contexts of the parts of Qt the game has no use for.
UNUSED = re.compile(
    r"""^(
        # Networking, databases, XML, printing.
        QSsl.* | QNative.* | QDns.* | QHttp.* | QFtp | QNetwork.* | QSocks5.* | QLocal.* |
        QAbstractSocket | QTcpServer | QHostInfo.* | QDBusTrayIcon |
        Q(IBase|MYSQL|ODBC|OCI|PSQL|SQLite2?|DB2|TDS)(Result|Driver) |
        QXml | QXmlStream |
        QPrint.* | QPageSetupWidget | QPageSize | QCupsJobWidget |
        # Dialogs and widgets the game never opens.
        QDirModel | QColorDialog | QFontDialog | QFontDatabase |
        QInputDialog | QProgressDialog | QErrorMessage | QWizard | QMdiArea | QMdiSubWindow |
        QDockWidget | QUndo(Stack|Group|Model) |
        # Other platforms.
        QCocoa.* | MAC_APPLICATION_MENU | QAndroid.* | QWindowsDirect2D.* | QQnx.* |
        # Error texts of parts of Qt Core that reach no window of the game.
        QRegularExpression | QRegExp | QLibrary | QPluginLoader | QSharedMemory | QSystemSemaphore |
        QProcess | QFile | QFileDevice | QSaveFile | QIODevice | QStandardPaths | QJsonParseError |
        QCommandLineParser | QStateMachine | QDateTimeParser | QImageReader | QImageWriter | QTgaFile
    )$""",
    re.VERBOSE,
)


def main(source, target):
    tree = ElementTree.parse(source)
    root = tree.getroot()
    for context in root.findall("context"):
        if UNUSED.match(context.findtext("name", "")):
            root.remove(context)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
