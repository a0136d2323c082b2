// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleList.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace velmora {

TitleList::TitleList(std::u32string name, std::vector<std::u32string> titles, std::string file)
    : name_(std::move(name))
    , titles_(std::move(titles))
    , file_(std::move(file))
{
    if (titles_.empty())
        throw std::invalid_argument("a title list needs at least one title");
}

const std::u32string& TitleList::draw(RandomSource& random)
{
    // With the last title left out, the others are numbered 0..n-2 and the
    // ones after it shift down by one.
    const bool leaveOutLast = last_ != kNone && titles_.size() > 1;
    const std::size_t choices = titles_.size() - (leaveOutLast ? 1 : 0);
    const auto drawn = static_cast<std::size_t>(std::floor(random.uniform() * static_cast<double>(choices)));
    std::size_t index = std::min(drawn, choices - 1);
    if (leaveOutLast && index >= last_)
        ++index;
    last_ = index;
    return titles_[index];
}

} // namespace velmora
