#include "ProgramIcon.h"

namespace velmora {

QIcon programIcon()
{
    // Decoded once: the application and the main window share the one set of
    // pictures instead of holding a copy each, some 370 KiB.
    static const QIcon icon = [] {
        QIcon sizes;
        for (int size : {16, 32, 48, 96, 128, 256})
            sizes.addFile(QStringLiteral(":/icons/velmora-%1.png").arg(size), QSize(size, size));
        return sizes;
    }();
    return icon;
}

} // namespace velmora
