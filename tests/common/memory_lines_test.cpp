// SPDX-License-Identifier: GPL-3.0-or-later
// tests/common/memory_lines_test.cpp: the editor line semantics the readings and the report rely
// on.
#include "common/memory_lines.h"

#include <gtest/gtest.h>

using common::MemoryLines;

TEST(MemoryLines, DoesNotCountAFinalEmptyLine)
{
    EXPECT_EQ(MemoryLines("").LineCount(), 0);
    EXPECT_EQ(MemoryLines("\n").LineCount(), 1);
    EXPECT_EQ(MemoryLines("a\nb").LineCount(), 2);
    EXPECT_EQ(MemoryLines("a\nb\n").LineCount(), 2);
    EXPECT_EQ(MemoryLines("a\n\n").LineCount(), 2);
}

TEST(MemoryLines, ReplacesInPlaceAndNeverAppends)
{
    MemoryLines lines("a\nb\n");
    lines.ReplaceLine(1, "x y");
    lines.ReplaceLine(2, ""); // the final empty line exists
    lines.ReplaceLine(3, "lost");
    lines.ReplaceLine(-1, "lost");
    EXPECT_EQ(lines.Text(), "a\nx y\n");
    EXPECT_EQ(lines.Line(1), "x y");
    EXPECT_EQ(lines.Line(7), "");
    lines.Clear();
    EXPECT_EQ(lines.LineCount(), 0);
    EXPECT_EQ(lines.Text(), "");
}
