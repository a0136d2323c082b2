// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: the smallest Qt Widgets program with a window, an empty one.
// It runs until it is ended from outside.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velmora"));
    window.resize(240, 120);
    window.show();
    return QApplication::exec();
}
