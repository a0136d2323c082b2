// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace velmora {

// A list of the players' own titles that rounds are drawn from instead of
// the built-in catalogue, with the name it goes by in the window caption and
// the path of the file it was read from (empty for a list made otherwise).
class TitleList {
public:
    // Every title must be playable by the title rule, and there must be at
    // least one.
    TitleList(std::u32string name, std::vector<std::u32string> titles, std::string file = {});

    const std::u32string& name() const { return name_; }
    const std::vector<std::u32string>& titles() const { return titles_; }
    const std::string& file() const { return file_; }

    // Draws the title of a round with one random value: every title of the
    // list is equally likely, except that the one drawn last never comes
    // again at once while the list holds another.
    const std::u32string& draw(RandomSource& random);

private:
    static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

    std::u32string name_;
    std::vector<std::u32string> titles_;
    std::string file_;
    std::size_t last_ = kNone;
};

} // namespace velmora
