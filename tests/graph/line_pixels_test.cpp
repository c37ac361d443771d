// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/line_pixels_test.cpp: the pixel runs of canvas lines, worked by hand.
#include "graph/line_pixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using graph::PixelRun;
using Runs = std::vector<PixelRun>;

TEST(LinePixelRuns, CoversTheStartAndLeavesOutTheEnd)
{
    const struct {
        const char* name;
        graph::CanvasPoint from;
        graph::CanvasPoint to;
        Runs runs;
    } cases[] = {
        { "rightwards", { 10, 10 }, { 20, 10 }, { { 10, 10, 10, 1 } } },
        { "upwards", { 30, 20 }, { 30, 10 }, { { 30, 11, 1, 10 } } },
        // Step k of 10 sits k / 2 rows up, halves rounded away from the start.
        { "leftwards and up, shallow", { 50, 30 }, { 40, 25 },
            { { 50, 30, 1, 1 }, { 48, 29, 2, 1 }, { 46, 28, 2, 1 }, { 44, 27, 2, 1 },
                { 42, 26, 2, 1 }, { 41, 25, 1, 1 } } },
        // A steep step of a curve fills every row between its ends: no gaps.
        { "steep, one column across", { 10, 40 }, { 11, 20 },
            { { 10, 31, 1, 10 }, { 11, 21, 1, 10 } } },
        { "no length", { 60, 30 }, { 60, 30 }, {} },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(graph::LinePixelRuns(expected.from, expected.to, 120, 60), expected.runs);
    }
}

TEST(LinePixelRuns, KeepsOnlyWhatLiesInTheArea)
{
    const struct {
        const char* name;
        graph::CanvasPoint from;
        graph::CanvasPoint to;
        Runs runs;
    } cases[] = {
        // Only the 120 columns of the area are visited, however long the line.
        { "far beyond both sides", { -2000000000, 20 }, { 2000000000, 22 }, { { 0, 21, 120, 1 } } },
        { "leftwards from beyond the right edge", { 130, 5 }, { -10, 5 }, { { 0, 5, 120, 1 } } },
        { "in from the left", { -5, 3 }, { 5, 3 }, { { 0, 3, 5, 1 } } },
        { "above the area", { 0, -5 }, { 10, -5 }, {} },
        { "below the area, steep", { 5, 70 }, { 6, 90 }, {} },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(graph::LinePixelRuns(expected.from, expected.to, 120, 60), expected.runs);
    }
}

} // namespace
