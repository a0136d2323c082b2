// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QMenuBar;

namespace velmora {

// Escape that closes a menu of the menu bar leaves the bar as well. Qt would
// keep the bar holding the keys, with the menu's title barely marked, and
// swallow the player's next letter as a menu's access key, or for nothing;
// here the keys go back at once to the control that had them.
class MenuBarEscape final : public QObject {
    Q_OBJECT

public:
    explicit MenuBarEscape(QMenuBar& bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar& bar_;
};

} // namespace velmora
