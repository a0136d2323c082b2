// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntropyRandom.h"

namespace velmora {

namespace {

std::mt19937_64::result_type entropySeed()
{
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
}

} // namespace

EntropyRandom::EntropyRandom()
    : generator_(entropySeed())
{
}

double EntropyRandom::uniform()
{
    // The top 53 bits scaled by 2^-53 give every representable step in [0, 1)
    // and can never reach 1, which a slot index computed from it relies on.
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

} // namespace velmora
