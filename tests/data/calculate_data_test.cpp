// SPDX-License-Identifier: GPL-3.0-or-later
// tests/data/calculate_data_test.cpp: reading the data pane: pairs, failing lines, counts and
// ranges.
#include "data/calculate_data.h"

#include "common/failure.h"
#include "common/memory_lines.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using common::Extended;
using common::MemoryLines;
using data::CalculateData;
using data::PointStore;
using test_support::IsNear;

namespace {

constexpr Extended Tolerance = 1e-17L;

// n lines "i 2i", each ending in a line break.
std::string Pairs(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += std::to_string(i);
        text += ' ';
        text += std::to_string(2 * i);
        text += '\n';
    }
    return text;
}

} // namespace

TEST(CalculateData, ReadsEachLineAsAPair)
{
    struct Case {
        const char* name;
        const char* text;
        int pointCount;
        Extended x; // slot 1, when pointCount > 0
        Extended y;
        std::vector<int> unreadLines;
    };
    const Case cases[] = {
        { "single pair", "1 2", 1, 1, 2, {} },
        { "followed by empty lines", "1 2\n\n\n", 1, 1, 2, {} },
        { "tab separator", "1\t2", 1, 1, 2, {} },
        { "three spaces each side", "1   2   ", 1, 1, 2, {} },
        { "other control bytes",
            "1\x01\x1F"
            "2\x0B",
            1, 1, 2, {} },
        { "DEL is no space", "1 2\x7F", 0, 0, 0, { 0 } },
        { "carriage returns of a file", "1 2\r\n3 4\r\n", 2, 1, 2, {} },
        { "signs, lone point, bare exponent", "-.5 +3e-2\n. 1e", 2, -0.5L, 0.03L, {} },
        { "starts with a space", " 1 2", 0, 0, 0, { 0 } },
        { "comma with a point separator", "1,5 2", 0, 0, 0, { 0 } },
        { "three numbers", "1 2 3", 0, 0, 0, { 0 } },
        { "one number", "5", 0, 0, 0, { 0 } },
        { "no-break space is no separator",
            "1\xC2\xA0"
            "2",
            0, 0, 0, { 0 } },
        { "a line of spaces holds characters", "1 2\n   \n", 1, 1, 2, { 1 } },
        { "every line fails", "x y\nfoo", 0, 0, 0, { 0, 1 } },
    };
    for (const Case& readCase : cases) {
        SCOPED_TRACE(readCase.name);
        MemoryLines lines(readCase.text);
        PointStore points;
        CalculateData(points, lines, ".");
        EXPECT_TRUE(points.DataPresent);
        EXPECT_FALSE(points.LinesLeftUnread);
        EXPECT_EQ(points.PointCount, readCase.pointCount);
        EXPECT_EQ(lines.UnreadLines(), readCase.unreadLines);
        EXPECT_EQ(lines.Text(), readCase.text);
        if (readCase.pointCount > 0) {
            EXPECT_EQ(points.XData[1], readCase.x);
            EXPECT_EQ(points.YData[1], readCase.y);
        }
    }
}

TEST(CalculateData, ReadsWithACommaSeparator)
{
    MemoryLines lines("1,5 2,25\n-,5e1 ,\n1.5 2\n");
    PointStore points;
    CalculateData(points, lines, ",");
    EXPECT_EQ(points.PointCount, 2);
    EXPECT_EQ(points.XData[1], 1.5L);
    EXPECT_EQ(points.YData[1], 2.25L);
    EXPECT_EQ(points.XData[2], -5.0L);
    EXPECT_EQ(points.YData[2], 0.0L);
    EXPECT_EQ(lines.UnreadLines(), std::vector<int> { 2 });
}

TEST(CalculateData, EmptyPaneKeepsPointsAndRange)
{
    for (const char* text : { "", "\n", "\n\n\n" }) {
        SCOPED_TRACE(testing::PrintToString(text));
        MemoryLines lines("1 2\n3 4\nheader\n");
        PointStore points;
        CalculateData(points, lines, ".");
        const PointStore before = points;
        ASSERT_EQ(lines.UnreadLines(), std::vector<int> { 2 });

        lines.SetText(text);
        CalculateData(points, lines, ".");
        EXPECT_FALSE(points.DataPresent);
        EXPECT_EQ(points.PointCount, before.PointCount);
        EXPECT_EQ(points.XMin, before.XMin);
        EXPECT_EQ(points.XMax, before.XMax);
        EXPECT_EQ(points.YMin, before.YMin);
        EXPECT_EQ(points.YMax, before.YMax);
        EXPECT_TRUE(lines.UnreadLines().empty());
    }
}

// A header line and a comma pair stay as typed, are marked, and lose the mark once they read.
TEST(CalculateData, KeepsFailingLinesAsTypedAndMarksThem)
{
    const std::string text = "Time\tVoltage (V)\r\n0.5,1.25\r\n1 2.5\r\n";
    MemoryLines lines(text);
    PointStore points;
    CalculateData(points, lines, ".");
    EXPECT_EQ(lines.Text(), text);
    EXPECT_EQ(lines.UnreadLines(), (std::vector<int> { 0, 1 }));
    EXPECT_EQ(points.PointCount, 0);
    EXPECT_TRUE(points.DataPresent);
    EXPECT_EQ(points.XData[3], 1.0L) << "the line after the failing ones is still read";

    lines.ReplaceLine(0, "0 0\r");
    CalculateData(points, lines, ".");
    EXPECT_EQ(lines.UnreadLines(), std::vector<int> { 1 });
    EXPECT_EQ(points.PointCount, 1);

    lines.ReplaceLine(1, "0.5 1.25\r");
    CalculateData(points, lines, ".");
    EXPECT_TRUE(lines.UnreadLines().empty());
    EXPECT_EQ(points.PointCount, 3);
    EXPECT_EQ(points.YData[2], 1.25L);
}

TEST(CalculateData, PointsEndBeforeTheFirstFailingLine)
{
    // The empty third line ends the points; slot 4 is still filled, slot 3 reads 0.
    MemoryLines gap("1 1\n2 2\n\n9 9\n");
    PointStore points;
    points.XData[3] = 5;
    CalculateData(points, gap, ".");
    EXPECT_EQ(points.PointCount, 2);
    EXPECT_EQ(points.XData[3], 0.0L);
    EXPECT_EQ(points.YData[3], 0.0L);
    EXPECT_EQ(points.XData[4], 9.0L);
    EXPECT_EQ(points.YData[4], 9.0L);
    EXPECT_EQ(gap.UnreadLines(), std::vector<int> { 2 });
    EXPECT_TRUE(IsNear(points.XMax, 2.1L, Tolerance)) << "slot 4 is not in the range";

    // A later failing line does not raise the count past the header's (0, 0).
    MemoryLines header("x y\n1 2\nnote\n3 4\n");
    CalculateData(points, header, ".");
    EXPECT_EQ(points.PointCount, 0);
    EXPECT_EQ(header.UnreadLines(), (std::vector<int> { 0, 2 }));
    EXPECT_EQ(points.XData[2], 1.0L);
}

TEST(CalculateData, KeepsSlotsAbovePointCount)
{
    MemoryLines lines(Pairs(5));
    PointStore points;
    CalculateData(points, lines, ".");
    lines.SetText("7 7\n8 8\n9 9");
    CalculateData(points, lines, ".");
    EXPECT_EQ(points.PointCount, 3);
    EXPECT_EQ(points.XData[3], 9.0L);
    EXPECT_EQ(points.XData[4], 4.0L);
    EXPECT_EQ(points.YData[5], 10.0L);
}

TEST(CalculateData, SetsTheRangeWithMarginsAndZero)
{
    struct Case {
        const char* name;
        const char* text;
        bool suppressZero;
        int marginPercent;
        Extended xMin, xMax, yMin, yMax;
    };
    const Case cases[] = {
        { "single point", "4 7", false, 10, 0, 4, 0, 7 },
        { "single point, zero suppressed", "4 7", true, 10, 4, 4, 7, 7 },
        { "two points", "1 10\n3 30", false, 10, 0, 3.2L, 0, 32 },
        { "two points, zero suppressed", "1 10\n3 30", true, 10, 0.8L, 3.2L, 8, 32 },
        { "negative x only", "-5 1\n-1 2\n-3 1.5", false, 10, -5.4L, 0, 0, 2.1L },
        { "negative data, zero suppressed", "-5 -1\n-1 -2", true, 10, -5.4L, -0.6L, -2.1L, -0.9L },
        { "both signs, nothing to stretch", "-2 4\n2 -4", false, 10, -2.4L, 2.4L, -4.8L, 4.8L },
        { "minimum after the first slot", "3 5\n1 6\n2 4", true, 50, 0, 4, 3, 7 },
        { "no margin", "1 10\n3 30", true, 0, 1, 3, 10, 30 },
    };
    for (const Case& rangeCase : cases) {
        SCOPED_TRACE(rangeCase.name);
        MemoryLines lines(rangeCase.text);
        PointStore points;
        points.SuppressZero = rangeCase.suppressZero;
        points.MarginPercent = rangeCase.marginPercent;
        CalculateData(points, lines, ".");
        EXPECT_TRUE(IsNear(points.XMin, rangeCase.xMin, Tolerance));
        EXPECT_TRUE(IsNear(points.XMax, rangeCase.xMax, Tolerance));
        EXPECT_TRUE(IsNear(points.YMin, rangeCase.yMin, Tolerance));
        EXPECT_TRUE(IsNear(points.YMax, rangeCase.yMax, Tolerance));
    }
}

TEST(CalculateData, OverflowingRangeIsNoFault)
{
    MemoryLines lines("-1E4932 0\n1E4932 0");
    PointStore points;
    common::ClearFloatingPointFlags();
    CalculateData(points, lines, ".");
    EXPECT_NO_THROW(common::CheckFloatingPointFlags());
    EXPECT_EQ(points.PointCount, 2);
    EXPECT_TRUE(std::isinf(points.XMax));
}

// With no point read the range still starts from slot 1, which the failing first line zeroed.
TEST(CalculateData, RangeUsesSlotOneWithoutPoints)
{
    MemoryLines lines("4 7\n8 9");
    PointStore points;
    points.SuppressZero = true;
    CalculateData(points, lines, ".");
    lines.SetText("header\n8 9");
    CalculateData(points, lines, ".");
    EXPECT_EQ(points.PointCount, 0);
    EXPECT_EQ(points.XMin, 0.0L);
    EXPECT_EQ(points.XMax, 0.0L);
    EXPECT_EQ(points.YMin, 0.0L);
    EXPECT_EQ(points.YMax, 0.0L);
}

TEST(CalculateData, ReadsAtMostSixHundredLines)
{
    PointStore points;
    MemoryLines full(Pairs(600) + "\n\n");
    CalculateData(points, full, ".");
    EXPECT_EQ(points.PointCount, 600);
    EXPECT_FALSE(points.LinesLeftUnread);
    EXPECT_EQ(points.YData[600], 1200.0L);

    // Line 601 is left unread and unmarked, line 603 too although it would fail.
    const std::string text = Pairs(600) + "601 0\n\nnote\n";
    MemoryLines over(text);
    CalculateData(points, over, ".");
    EXPECT_EQ(points.PointCount, 600);
    EXPECT_TRUE(points.LinesLeftUnread);
    EXPECT_TRUE(over.UnreadLines().empty());
    EXPECT_EQ(over.Text(), text);
    EXPECT_TRUE(IsNear(points.XMax, 600 + 59.9L, Tolerance));

    CalculateData(points, full, ".");
    EXPECT_FALSE(points.LinesLeftUnread) << "cleared by the next reading";
}

TEST(CalculateData, MarksTheLinesAfterTheDataEndAsUnused)
{
    const struct {
        const char* name;
        std::string text;
        int firstUnused;
    } cases[] = {
        { "all read", "1 2\n3 4\n", MemoryLines::NoLine },
        { "pairs after a heading", "t y\n1 2\n3 4\n", 1 },
        { "a pair after a failing line", "1 2\n1,5 2\n3 4\n", 2 },
        // Nothing but empty lines follows: no line goes unused.
        { "empty lines after the failing one", "1 2\nend\n\n\n", MemoryLines::NoLine },
        { "beyond the store", Pairs(600) + "601 0\n", 600 },
    };
    for (const auto& readCase : cases) {
        SCOPED_TRACE(readCase.name);
        MemoryLines lines(readCase.text);
        lines.MarkUnusedLines(0);
        PointStore points;
        CalculateData(points, lines, ".");
        EXPECT_EQ(lines.FirstUnusedLine(), readCase.firstUnused);
    }
}
