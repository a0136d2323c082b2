#pragma once

#include <QIcon>

// The program icon at every size it is drawn in. Each size is read only when
// something first shows it, so the icon costs nothing at start-up.
QIcon programIcon();
