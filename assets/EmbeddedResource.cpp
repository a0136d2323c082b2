// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmbeddedResource.h"

#include <QDirIterator>
#include <QResource>
#include <QString>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace velmora {

namespace {

// The pages wholly inside the bytes of a folder's resources, which lie side
// by side in the program's read-only data.
struct Pages {
    std::uintptr_t first = 0;
    std::uintptr_t end = 0;
};

Pages pagesOf(const QString& folder)
{
    std::uintptr_t start = std::numeric_limits<std::uintptr_t>::max();
    std::uintptr_t stop = 0;
    for (QDirIterator files(folder, QDir::Files); files.hasNext();) {
        const QResource resource(files.next());
        const auto data = reinterpret_cast<std::uintptr_t>(resource.data());
        start = std::min(start, data);
        stop = std::max(stop, data + static_cast<std::uintptr_t>(resource.size()));
    }
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const Pages pages{(start + page - 1) & ~(page - 1), stop & ~(page - 1)};
    return pages.first < pages.end ? pages : Pages{};
}

} // namespace

void letGoOfDecodedResources()
{
    // Found once: looking for them maps their pages again.
    static const std::array<Pages, 3> folders{pagesOf(QStringLiteral(":/pictures")),
                                              pagesOf(QStringLiteral(":/icons")),
                                              pagesOf(QStringLiteral(":/sounds"))};
    for (const Pages& pages : folders) {
        if (pages.first < pages.end)
            madvise(reinterpret_cast<void*>(pages.first), pages.end - pages.first, MADV_DONTNEED);
    }
}

} // namespace velmora
