#include "ProgramIcon.h"

namespace velmora {

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 96, 128, 256})
        icon.addFile(QStringLiteral(":/icons/velmora-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace velmora
