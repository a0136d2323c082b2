// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleListReport.h"

#include "DecimalText.h"

namespace velmora {

namespace {

std::u32string refusedLines(const TitleListReading& reading)
{
    std::u32string text;
    for (const RefusedLine& refused : reading.refused)
        text += U"\nlínea " + decimalText(refused.line) + U": " + refused.reason;
    const std::size_t more = reading.refusedCount - reading.refused.size();
    if (more > 0)
        text += U"\ny " + decimalText(static_cast<long long>(more)) + U" más";
    return text;
}

} // namespace

std::u32string titleListReport(std::u32string_view name, const TitleListReading& reading)
{
    const std::u32string quoted = U"«" + std::u32string(name) + U"»";
    if (!reading.usable()) {
        std::u32string text = U"No se pueden usar los títulos de " + quoted + U": " + reading.failure + U".";
        if (!reading.refused.empty())
            text += U"\n\nNinguna línea se puede jugar:" + refusedLines(reading);
        return text;
    }
    const std::size_t count = reading.titles.size();
    if (reading.refused.empty() && count > 1)
        return {};
    // A list of one title plays it every round, which the player could take
    // for a fault unless told.
    std::u32string text;
    if (count == 1)
        text = U"Se juega con el único título de " + quoted + U": se jugará siempre el mismo título.";
    else
        text = U"Se juega con los " + decimalText(static_cast<long long>(count)) + U" títulos de " + quoted + U".";
    if (reading.refused.empty())
        return text;
    const std::u32string lines =
        reading.refusedCount == 1 ? U"Esta línea no se puede jugar:" : U"Estas líneas no se pueden jugar:";
    return text + U"\n\n" + lines + refusedLines(reading);
}

} // namespace velmora
