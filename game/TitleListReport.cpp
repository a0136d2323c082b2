// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleListReport.h"

#include "DecimalText.h"

namespace velmora {

namespace {

constexpr std::size_t kLinesListed = 10;

std::u32string refusedLines(const std::vector<RefusedLine>& refused)
{
    std::u32string text;
    for (std::size_t i = 0; i < refused.size() && i < kLinesListed; ++i)
        text += U"\nlínea " + decimalText(refused[i].line) + U": " + refused[i].reason;
    if (refused.size() > kLinesListed)
        text += U"\ny " + decimalText(static_cast<long long>(refused.size() - kLinesListed)) + U" más";
    return text;
}

} // namespace

std::u32string titleListReport(std::u32string_view name, const TitleListReading& reading)
{
    const std::u32string quoted = U"«" + std::u32string(name) + U"»";
    if (!reading.usable()) {
        std::u32string text = U"No se pueden usar los títulos de " + quoted + U": " + reading.failure + U".";
        if (!reading.refused.empty())
            text += U"\n\nNinguna línea se puede jugar:" + refusedLines(reading.refused);
        return text;
    }
    if (reading.refused.empty())
        return {};
    const std::size_t count = reading.titles.size();
    const std::u32string titles =
        count == 1 ? U"el único título" : U"los " + decimalText(static_cast<long long>(count)) + U" títulos";
    const std::u32string lines =
        reading.refused.size() == 1 ? U"Esta línea no se puede jugar:" : U"Estas líneas no se pueden jugar:";
    return U"Se juega con " + titles + U" de " + quoted + U".\n\n" + lines + refusedLines(reading.refused);
}

} // namespace velmora
