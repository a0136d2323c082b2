#include "DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace velmora {

bool DesktopUrlOpener::open(const QUrl& address)
{
    return QDesktopServices::openUrl(address);
}

} // namespace velmora
