// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/color.h: 32-bit colour values: direct 0x00BBGGRR colours or system colour references.
#pragma once

#include <cstdint>

namespace common {

// Either a direct colour 0x00BBGGRR (red in the low byte) or SystemColorBase + the index of a
// platform system colour.
using ColorValue = std::uint32_t;

constexpr ColorValue SystemColorBase = 0x80000000u;
constexpr int ButtonFaceIndex = 15;
constexpr int ButtonShadowIndex = 16;
constexpr int ButtonHighlightIndex = 20;

constexpr ColorValue ButtonFaceColor = SystemColorBase + ButtonFaceIndex;
constexpr ColorValue ButtonShadowColor = SystemColorBase + ButtonShadowIndex;
constexpr ColorValue ButtonHighlightColor = SystemColorBase + ButtonHighlightIndex;
constexpr ColorValue Black = 0x00000000u;
constexpr ColorValue White = 0x00FFFFFFu;
constexpr ColorValue Red = 0x000000FFu;

constexpr bool IsSystemColor(ColorValue colour) { return (colour & SystemColorBase) != 0; }
constexpr int SystemColorIndex(ColorValue colour)
{
    return static_cast<int>(colour & ~SystemColorBase);
}
constexpr int RedOf(ColorValue colour) { return static_cast<int>(colour & 0xFFu); }
constexpr int GreenOf(ColorValue colour) { return static_cast<int>((colour >> 8) & 0xFFu); }
constexpr int BlueOf(ColorValue colour) { return static_cast<int>((colour >> 16) & 0xFFu); }

} // namespace common
