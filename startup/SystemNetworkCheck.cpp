#include "SystemNetworkCheck.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

namespace velmora {

namespace {

bool anyInterfaceWithAnAddress()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& networkInterface : interfaces) {
        const auto flags = networkInterface.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning)
            && !flags.testFlag(QNetworkInterface::IsLoopBack)
            && !networkInterface.addressEntries().isEmpty())
            return true;
    }
    return false;
}

} // namespace

bool SystemNetworkCheck::isConnected()
{
    // The default backend needs the system bus, which many machines lack; asking
    // for reachability loads whichever backend can tell it.
    if (QNetworkInformation::instance() == nullptr)
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);

    if (const QNetworkInformation* information = QNetworkInformation::instance()) {
        switch (information->reachability()) {
        case QNetworkInformation::Reachability::Disconnected:
            return false;
        case QNetworkInformation::Reachability::Local:
        case QNetworkInformation::Reachability::Site:
        case QNetworkInformation::Reachability::Online:
            return true;
        case QNetworkInformation::Reachability::Unknown:
            break;
        }
    }
    return anyInterfaceWithAnAddress();
}

} // namespace velmora
