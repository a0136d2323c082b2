#pragma once

#include "NetworkCheck.h"

namespace velmora {

// The machine's own view of its connection: Qt's network information where a
// backend can be loaded and knows the answer, otherwise any interface that is
// up, running, not the loopback and has an address.
class SystemNetworkCheck final : public NetworkCheck {
public:
    bool isConnected() override;
};

} // namespace velmora
