#include "ProgramIcon.h"

#include "ProgramIconEngine.h"

namespace velmora {

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace velmora
