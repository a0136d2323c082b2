#pragma once

#include <QIcon>

namespace velmora {

// The program icon at every size it is drawn in. Every size is decoded as the
// icon is made, so the application makes it once and every window shows it.
QIcon programIcon();

} // namespace velmora
