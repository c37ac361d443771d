// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/scale_ticks_test.cpp: trial steps, the crowding tables of both axes and their bounds.
#include "graph/scale_ticks.h"

#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <cfenv>

namespace {

using common::Extended;
using test_support::IsNear;

// Both ranges -5.4..95.4: a trial step of 10 and 9 trial steps (FloorInt(9.54) - trunc(-0.54)).
struct Scaling {
    graph::GraphState graph;
    data::PointStore points;
    Scaling(int labelHeight, int plotHeight, int labelWidth, int plotWidth)
    {
        graph.LabelHeight = labelHeight;
        graph.PlotHeight = plotHeight;
        graph.LabelWidth = labelWidth;
        graph.PlotWidth = plotWidth;
        points.XMin = points.YMin = -5.4L;
        points.XMax = points.YMax = 95.4L;
        graph::ScaleTicks(graph, points);
    }
};

TEST(ScaleTicks, DoublesTheYStepOfTheWorkedExample)
{
    // c = 3 x 16 x 9 / 300 = 1.44.
    const Scaling scaling(16, 300, 40, 2000);
    EXPECT_TRUE(IsNear(scaling.graph.YTickStep, 20, 1e-15L));
    EXPECT_EQ(scaling.graph.YDecade, 1);
    EXPECT_EQ(scaling.graph.TickStepCount, 9);
}

TEST(ScaleTicks, NarrowsOnlyTheXStepWhenLabelsStandFarApart)
{
    // x: c = 40 x 9 / 2000 = 0.18. y: c = 3 x 16 x 9 / 2400 = 0.18 as well.
    const Scaling scaling(16, 2400, 40, 2000);
    EXPECT_TRUE(IsNear(scaling.graph.XTickStep, 2, 1e-15L));
    EXPECT_EQ(scaling.graph.XDecade, 0);
    EXPECT_TRUE(IsNear(scaling.graph.YTickStep, 10, 1e-15L));
}

TEST(ScaleTicks, TakesTheNextRowDownOnEveryBound)
{
    // Crowding 40 x 9 / plot width on the x axis, exactly on each bound, and 3 x 16 x 9 / plot
    // height on the y axis, on the bound where a whole plot height allows it.
    const struct {
        const char* name;
        int plotExtentX;
        int plotExtentY;
        Extended xFactor;
        Extended yFactor;
    } cases[] = {
        { "just above 10", 35, 42, 20, 20 },
        { "c = 10", 36, 44, 10, 10 },
        { "c = 5", 72, 87, 5, 5 },
        { "c = 2", 180, 216, 2, 2 },
        { "c = 1", 360, 432, 1, 1 },
        { "c = 0.5", 720, 864, 0.5L, 0.5L },
        { "c = 0.2", 1800, 2160, 0.2L, 1 },
        { "no room", 0, -5, 20, 20 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const Scaling scaling(16, testCase.plotExtentY, 40, testCase.plotExtentX);
        EXPECT_TRUE(IsNear(scaling.graph.XTickStep, 10 * testCase.xFactor, 1e-15L));
        EXPECT_TRUE(IsNear(scaling.graph.YTickStep, 10 * testCase.yFactor, 1e-15L));
    }
}

TEST(ScaleTicks, GivesNoStepToARangeWithoutWidth)
{
    graph::GraphState graph;
    graph.LabelHeight = 16;
    graph.LabelWidth = 32;
    graph.PlotWidth = 400;
    graph.PlotHeight = 300;
    graph.XTickStep = graph.YTickStep = 7;
    graph.XDecade = graph.YDecade = 3;
    data::PointStore points;
    points.XMin = points.XMax = 5;
    std::feclearexcept(FE_ALL_EXCEPT);
    graph::ScaleTicks(graph, points);
    EXPECT_EQ(graph.XTickStep, 0);
    EXPECT_EQ(graph.YTickStep, 0);
    EXPECT_EQ(graph.XDecade, 0);
    EXPECT_EQ(graph.YDecade, 0);
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
}

} // namespace
