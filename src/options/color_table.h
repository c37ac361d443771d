// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/color_table.h: the colours offered by the colour boxes of the options notebook.
#pragma once

#include "common/color.h"

#include <array>
#include <optional>

namespace options {

struct ColorChoice {
    const char* Name;
    common::ColorValue Value;
};

// The items of every colour box, index 0 first. The greys are the platform's button colours,
// not fixed greys.
constexpr std::array<ColorChoice, 7> ColorChoices { {
    { "Red", 0x000000FFu },
    { "Green", 0x00008000u },
    { "Yellow", 0x0000FFFFu },
    { "Light Gray", common::ButtonFaceColor },
    { "Dark Gray", common::ButtonShadowColor },
    { "White", 0x00FFFFFFu },
    { "Black", 0x00000000u },
} };

// The colour of the colour box item at index (0-based); none for an index outside the table,
// as when the typed text matches no item.
std::optional<common::ColorValue> IndexToColor(int index);

} // namespace options
