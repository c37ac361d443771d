// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/coordinate_readout_test.cpp: where the readout shows, its fields and captions, and
// its refusals.
#include "graph/coordinate_readout.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

using common::Extended;

TEST(InsidePlot, TakesOnlyPixelsStrictlyInsideThePlot)
{
    graph::GraphState graph;
    graph.PlotLeft = 400;
    graph.PlotTop = 40;
    graph.PlotWidth = 500;
    graph.PlotHeight = 300;
    const struct {
        const char* name;
        int X;
        int Y;
        bool inside;
    } cases[] = {
        { "on the left edge", 400, 100, false },
        { "one pixel inside the left edge", 401, 100, true },
        { "on the right edge", 900, 100, false },
        { "one pixel inside the right edge", 899, 100, true },
        { "on the top edge", 450, 40, false },
        { "one pixel inside the bottom edge", 450, 339, true },
        { "on the bottom edge", 450, 340, false },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(graph::InsidePlot(graph, expected.X, expected.Y), expected.inside);
    }
    // A rectangle reaching past the 32-bit range keeps its far edges all the same.
    graph.PlotWidth = 2147483647;
    EXPECT_TRUE(graph::InsidePlot(graph, 2147483647, 100));
}

TEST(ReadoutFieldFor, RoundsTheExponentOfUnitsPerPixelToTheNearest)
{
    const struct {
        const char* name;
        Extended span;
        int extent;
        int width;
        int decimals;
    } cases[] = {
        { "3.16 per pixel rounds to e = 0", 316, 100, 3, 1 },
        { "3.17 per pixel rounds to e = 1", 317, 100, 1, 0 },
        { "0.32 per pixel rounds to e = 0", 32, 100, 3, 1 },
        { "0.31 per pixel rounds to e = -1", 31, 100, 5, 1 },
        { "1000 per pixel: e = 3", 500000, 500, 3, 0 },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        const std::optional<graph::ReadoutField> field
            = graph::ReadoutFieldFor(expected.span, expected.extent);
        ASSERT_TRUE(field.has_value());
        EXPECT_EQ(field->width, expected.width);
        EXPECT_EQ(field->decimals, expected.decimals);
    }
}

class CoordinateCaption : public ::testing::Test {
protected:
    void SetUp() override
    {
        graph.PlotLeft = 400;
        graph.PlotTop = 40;
        graph.PlotWidth = 500;
        graph.PlotHeight = 300;
        // 0.01 y units per pixel: the top row reads "  3.00".
        points.YMin = 0;
        points.YMax = 3;
    }

    graph::GraphState graph;
    data::PointStore points;
};

TEST_F(CoordinateCaption, WritesBothValuesInTheirFields)
{
    const struct {
        const char* name;
        Extended xMin;
        Extended xMax;
        int plotWidth;
        int column;
        const char* caption;
    } cases[] = {
        // 0.02 units per pixel: two decimals in a field of 6.
        { "2.5 on 0..10 over 500", 0, 10, 500, 525, "(   2.50 ;   3.00 )" },
        // 5 units per pixel: no decimals in a field of 1, narrower than the text.
        { "1234.4 on 5 per pixel", 4.4, 2004.4, 400, 646, "( 1234 ;   3.00 )" },
        { "one unit per pixel", 0, 300, 300, 412, "( 12.0 ;   3.00 )" },
        { "half a unit per pixel", 0, 150, 300, 401, "( 0.5 ;   3.00 )" },
        { "left of zero", -10, 0, 500, 400, "( -10.00 ;   3.00 )" },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        points.XMin = expected.xMin;
        points.XMax = expected.xMax;
        graph.PlotWidth = expected.plotWidth;
        EXPECT_EQ(graph::CoordinateCaption(graph, points, expected.column, graph.PlotTop),
            std::optional<std::string>(expected.caption));
    }
}

TEST_F(CoordinateCaption, HidesWhenTheScaleIsUnusable)
{
    const Extended largest = std::numeric_limits<Extended>::max();
    const struct {
        const char* name;
        Extended xMin;
        Extended xMax;
        int plotWidth;
        int plotHeight;
    } cases[] = {
        { "zero-width x range", 5, 5, 500, 300 },
        { "plot of no width", 0, 10, 0, 300 },
        { "plot of negative height", 0, 10, 500, -4 },
        { "range too wide to hold", -largest, largest, 500, 300 },
        { "units per pixel underflow", 0, std::numeric_limits<Extended>::denorm_min(), 500, 300 },
        { "NaN range", 0, std::numeric_limits<Extended>::quiet_NaN(), 500, 300 },
    };
    std::feclearexcept(FE_ALL_EXCEPT);
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.name);
        points.XMin = refused.xMin;
        points.XMax = refused.xMax;
        graph.PlotWidth = refused.plotWidth;
        graph.PlotHeight = refused.plotHeight;
        EXPECT_FALSE(graph::CoordinateCaption(graph, points, 420, 60).has_value());
    }
    // The refused readouts leave no fault behind for a later command to report.
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
}

} // namespace
