// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/KeyRepeats.h"

#include <QObject>

class QWidget;

namespace velmora {

// Keeps the repeats of a held key away from a window and everything in it
// for as long as the filter lives: only a fresh key press reaches them, and
// no shortcut fires on a repeat. A question the player answers with a key
// must be answered on purpose, not by the key that asked it still being
// held down.
class HeldKeyFilter final : public QObject {
    Q_OBJECT

public:
    explicit HeldKeyFilter(QWidget* window);
    ~HeldKeyFilter() override;

    HeldKeyFilter(const HeldKeyFilter&) = delete;
    HeldKeyFilter& operator=(const HeldKeyFilter&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_ = nullptr;
    KeyRepeats repeats_{};
};

} // namespace velmora
