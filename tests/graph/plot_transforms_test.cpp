// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/plot_transforms_test.cpp: plot rectangle, rounding down and the value-pixel
// transforms.
#include "graph/plot_transforms.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <climits>
#include <cmath>
#include <limits>

namespace {

using common::Extended;

constexpr Extended Infinity = std::numeric_limits<Extended>::infinity();
constexpr Extended NotANumber = std::numeric_limits<Extended>::quiet_NaN();

// A 100 x 200 plot at (50, 40) over x 0..200 and y -10..30.
struct Plot {
    graph::GraphState graph;
    data::PointStore points;
    Plot()
    {
        graph.PlotLeft = 50;
        graph.PlotTop = 40;
        graph.PlotWidth = 100;
        graph.PlotHeight = 200;
        points.XMin = 0;
        points.XMax = 200;
        points.YMin = -10;
        points.YMax = 30;
    }
    int X(Extended x) const { return graph::XToPixel(graph, points, x); }
    int Y(Extended y) const { return graph::YToPixel(graph, points, y); }
};

TEST(FloorInt, RoundsDownAndOneLessAtNegativeWholeNumbers)
{
    const struct {
        const char* name;
        Extended value;
        int expected;
    } cases[] = {
        { "negative whole", -2.0L, -3 },
        { "negative half", -2.5L, -3 },
        { "small negative", -0.3L, -1 },
        { "zero", 0.0L, 0 },
        { "small positive", 0.7L, 0 },
        { "positive", 2.7L, 2 },
        { "beyond 32 bits", 1e30L, INT_MAX },
        { "minus infinity", -Infinity, INT_MIN },
        { "not a number", NotANumber, 0 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(graph::FloorInt(testCase.value), testCase.expected);
    }
}

TEST(NearestPixel, RoundsHalvesToEvenAndSaturatesWithoutAFailure)
{
    const struct {
        Extended value;
        int expected;
    } cases[] = {
        { 0.5L, 0 },
        { 1.5L, 2 },
        { 2.5L, 2 },
        { -0.5L, 0 },
        { -1.5L, -2 },
        { -2.5L, -2 },
        { 2.4999999999999999999L, 2 },
        { -3.5000000000000000001L, -4 },
        { -0.0L, 0 },
        { 1073741823.5L, 1073741824 },
        { 1073741824.5L, 1073741824 },
        { 2147483646.5L, INT_MAX - 1 },
        { 2147483647.5L, INT_MAX },
        { -2147483648.5L, INT_MIN },
        { 1e4000L, INT_MAX },
        { -Infinity, INT_MIN },
        { NotANumber, 0 },
        { 1e-4000L, 0 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(double(testCase.value));
        std::feclearexcept(FE_ALL_EXCEPT);
        EXPECT_EQ(graph::NearestPixel(testCase.value), testCase.expected);
        EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_OVERFLOW | FE_DIVBYZERO));
    }
}

TEST(XToPixel, MapsTheRangeOntoTheRectangleWithHalvesToEven)
{
    const Plot plot;
    EXPECT_EQ(plot.X(0), 50);
    EXPECT_EQ(plot.X(200), 150);
    EXPECT_EQ(plot.X(5), 52); // offset 2.5
    EXPECT_EQ(plot.X(7), 54); // offset 3.5
    EXPECT_EQ(plot.Y(30), 40);
    EXPECT_EQ(plot.Y(-10), 240);
    EXPECT_EQ(plot.Y(0), 190);
}

TEST(XToPixel, ClampsEverythingOutsideTheRangeOntoAnEdge)
{
    const Plot plot;
    const struct {
        const char* name;
        Extended value;
        int column;
        int row;
    } cases[] = {
        { "below both ranges", -50, 50, 240 },
        { "above both ranges", 1000, 150, 40 },
        { "offset beyond 32 bits", 1e300L, 150, 40 },
        { "offset beyond double", -1e4000L, 50, 240 },
        { "largest extended", std::numeric_limits<Extended>::max(), 150, 40 },
        { "plus infinity", Infinity, 150, 40 },
        { "minus infinity", -Infinity, 50, 240 },
        { "not a number", NotANumber, 50, 240 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(plot.X(testCase.value), testCase.column);
        EXPECT_EQ(plot.Y(testCase.value), testCase.row);
    }
}

TEST(XToPixel, PutsEveryValueInTheMiddleOfAnAxisWithoutWidth)
{
    Plot plot;
    plot.points.XMin = plot.points.XMax = 5;
    plot.points.YMin = plot.points.YMax = 0;
    std::feclearexcept(FE_ALL_EXCEPT);
    for (const Extended value : { Extended(5), Extended(-3), Infinity, NotANumber }) {
        EXPECT_EQ(plot.X(value), 100);
        EXPECT_EQ(plot.Y(value), 140);
    }
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
}

TEST(XToPixel, StaysOnTheCornerOfARectangleWithNegativeSize)
{
    Plot plot;
    plot.graph.PlotWidth = -30;
    plot.graph.PlotHeight = -20;
    for (const Extended value : { Extended(0), Extended(100), Extended(200), Infinity }) {
        EXPECT_EQ(plot.X(value), 50);
        EXPECT_EQ(plot.Y(value), 20);
    }
}

TEST(PixelToX, MapsCornersBackAndRunsOnOutsideTheRectangle)
{
    Plot plot;
    EXPECT_EQ(graph::PixelToX(plot.graph, plot.points, 50), 0);
    EXPECT_EQ(graph::PixelToX(plot.graph, plot.points, 150), 200);
    EXPECT_EQ(graph::PixelToX(plot.graph, plot.points, 40), -20);
    EXPECT_EQ(graph::PixelToY(plot.graph, plot.points, 40), 30);
    EXPECT_EQ(graph::PixelToY(plot.graph, plot.points, 240), -10);
    EXPECT_EQ(graph::PixelToY(plot.graph, plot.points, 440), -50);

    plot.graph.PlotWidth = 0;
    plot.graph.PlotHeight = 0;
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(graph::PixelToX(plot.graph, plot.points, 70), 0);
    EXPECT_EQ(graph::PixelToY(plot.graph, plot.points, 70), 30);
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID), 0);
}

} // namespace
