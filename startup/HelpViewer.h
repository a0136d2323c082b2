// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QUrl;
class QWidget;

namespace velmora {

// Shows a help page inside the program, for a desktop that has no browser to
// open it with.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the page and returns at once. One window serves every call: a
    // later call brings it to the front again instead of opening another.
    virtual void show(QWidget* owner, const QUrl& page) = 0;
};

} // namespace velmora
