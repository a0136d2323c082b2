// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UrlOpener.h"

#include <QObject>
#include <QString>

#include <chrono>

namespace velmora {

// Hands the address to the desktop's opener, xdg-open, and reads its exit
// status: 0 is a browser that has the page, anything else a failure (3 when
// the desktop has no browser at all). The game goes on meanwhile. An opener
// that is still running after `patience` is running the browser itself and
// waiting for it to close: the page is open, and how it ends later no longer
// counts. The browser stays when the game ends.
class DesktopUrlOpener final : public UrlOpener {
public:
    explicit DesktopUrlOpener(QString opener = QStringLiteral("xdg-open"),
                              std::chrono::milliseconds patience = std::chrono::seconds(10));
    ~DesktopUrlOpener() override;
    DesktopUrlOpener(const DesktopUrlOpener&) = delete;
    DesktopUrlOpener& operator=(const DesktopUrlOpener&) = delete;

    void open(const QUrl& address, std::function<void(bool opened)> done) override;

private:
    QString opener_;
    std::chrono::milliseconds patience_;
    // The openers started, each until it has ended.
    QObject processes_;
};

} // namespace velmora
