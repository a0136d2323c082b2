#pragma once

#include <QIcon>

namespace velmora {

// The program icon at every size it is drawn in, each read only when a window
// is given it.
QIcon programIcon();

} // namespace velmora
