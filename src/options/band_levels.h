// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/band_levels.h: the levels the Fit Data page offers for the bands.
#pragma once

#include "common/extended.h"

#include <array>

namespace options {

struct BandLevelChoice {
    const char* Name;
    common::Extended Level; // percent
};

// The items of the level box, index 0 first: one standard deviation, and the usual levels.
constexpr std::array<BandLevelChoice, 4> BandLevelChoices { {
    { "68.27%", 68.27L },
    { "90%", 90 },
    { "95%", 95 },
    { "99%", 99 },
} };

} // namespace options
