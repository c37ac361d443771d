// SPDX-License-Identifier: GPL-3.0-or-later
// tests/options/color_table_test.cpp: the colour each colour box item stands for.
#include "options/color_table.h"

#include <gtest/gtest.h>

namespace {

TEST(IndexToColor, GivesDirectColoursAndButtonColourReferences)
{
    struct Case {
        int Index;
        const char* Item;
        common::ColorValue Colour;
    };
    const Case cases[] = {
        { 0, "Red", 0x000000FFu },
        { 1, "Green", 0x00008000u },
        { 2, "Yellow", 0x0000FFFFu },
        { 3, "Light Gray", 0x8000000Fu },
        { 4, "Dark Gray", 0x80000010u },
        { 5, "White", 0x00FFFFFFu },
        { 6, "Black", 0x00000000u },
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.Item);
        EXPECT_STREQ(
            options::ColorChoices.at(static_cast<std::size_t>(item.Index)).Name, item.Item);
        EXPECT_EQ(options::IndexToColor(item.Index), item.Colour);
    }
}

TEST(IndexToColor, GivesNoColourOutsideTheTable)
{
    EXPECT_EQ(options::IndexToColor(-1), std::nullopt);
    EXPECT_EQ(options::IndexToColor(7), std::nullopt);
}

} // namespace
