// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The largest list file the game reads.
inline constexpr std::size_t kTitleListMaxBytes = 1024 * 1024;

// How many refused lines a reading keeps with their reasons; the player is
// told of these and of how many more there were.
inline constexpr std::size_t kRefusedLinesKept = 10;

// A line of a list file that cannot be played, and why, in Spanish.
struct RefusedLine {
    int line = 0; // counted from 1
    std::u32string reason;
};

// What a list file gave: its playable titles, normalised, in the file's
// order and each once; the first lines refused, with their reasons, and how
// many were refused in all; and, when the file as a whole cannot be used,
// why.
struct TitleListReading {
    std::vector<std::u32string> titles;
    std::vector<RefusedLine> refused; // at most kRefusedLinesKept
    std::size_t refusedCount = 0;
    std::u32string failure;

    bool usable() const { return failure.empty(); }
};

// Reads a list of titles from the bytes of a file: UTF-8 text, an optional
// byte-order mark, one title per line. Lines may end in LF, CR LF or CR.
// Blank lines and lines whose first character other than a space or tab is
// "#" are skipped; every other line goes through the title rule, and a line
// that comes out as a title already listed is refused as a repeat. The file
// is refused as a whole when it is larger than kTitleListMaxBytes, when a
// line is not UTF-8 (the first such line is named), or when no line is
// playable.
TitleListReading readTitleList(std::string_view bytes);

// The same for a file on disk. A file that does not exist, cannot be opened
// or read, is a folder or a device, or is larger than kTitleListMaxBytes is
// refused without reading more than that.
TitleListReading readTitleListFile(const std::string& path);

// The name a list goes by: the file's own name, without its folder, with
// invisible, line-breaking and direction-changing characters replaced, and
// shortened to fit a window caption.
std::u32string titleListName(std::string_view path);

} // namespace velmora
