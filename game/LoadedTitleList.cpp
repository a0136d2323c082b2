// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadedTitleList.h"

#include "TitleListFile.h"
#include "TitleListReport.h"

namespace velmora {

LoadedTitleList loadTitleList(const std::string& path)
{
    TitleListReading reading = readTitleListFile(path);
    const std::u32string name = titleListName(path);
    LoadedTitleList loaded;
    loaded.report = titleListReport(name, reading);
    if (reading.usable())
        loaded.list.emplace(name, std::move(reading.titles), path);
    return loaded;
}

} // namespace velmora
