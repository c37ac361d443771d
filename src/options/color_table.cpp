// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/color_table.cpp: the colours offered by the colour boxes of the options notebook.
#include "options/color_table.h"

namespace options {

std::optional<common::ColorValue> IndexToColor(int index)
{
    if (index < 0 || index >= static_cast<int>(ColorChoices.size()))
        return std::nullopt;
    return ColorChoices[static_cast<std::size_t>(index)].Value;
}

} // namespace options
