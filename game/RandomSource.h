// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// A uniform random number in [0, 1) per call; the draws of a round use one
// value each.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double uniform() = 0;
};

} // namespace velmora
