// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace velmora {

// The program icon as a scalable SVG drawing, for desktops that draw icons at
// sizes of their own: the same pad, letters and pen as the pictures of
// ProgramIcon.h, on the same 256-unit square.
QByteArray drawScalableIcon();

} // namespace velmora
