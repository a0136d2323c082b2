#pragma once

#include <QIcon>

namespace velmora {

// The program icon at every size it is drawn in. Every size is decoded the
// first time it is asked for; later calls share those pictures.
QIcon programIcon();

} // namespace velmora
