#pragma once

#include <QIcon>

// The program icon at every size it is drawn in. Every size is decoded as the
// icon is made.
QIcon programIcon();
