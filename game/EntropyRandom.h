// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <random>

namespace velmora {

// The game's generator: seeded once from the system's entropy source, so two
// draws made in the same clock tick are still independent of each other.
class EntropyRandom final : public RandomSource {
public:
    EntropyRandom();
    double uniform() override;

private:
    std::mt19937_64 generator_;
};

} // namespace velmora
