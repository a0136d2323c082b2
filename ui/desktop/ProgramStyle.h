// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace velmora {

// The desktop's own style, except for the icon of the menu bar's extension
// button. Every menu bar asks its style for that icon as it is made, and the
// stock one is read from picture files whose format the image reader guesses
// by loading every image format plugin and the JPEG library, which then stay
// mapped for the rest of the run. The button only shows when the menus do not
// fit the menu bar, which they always do in the game's fixed-size window, so
// two chevrons drawn here stand in for it.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() = default;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace velmora
