#pragma once

#include "UrlOpener.h"

namespace velmora {

// Hands the address to the desktop's preferred browser.
class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& address) override;
};

} // namespace velmora
