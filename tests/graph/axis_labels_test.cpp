// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/axis_labels_test.cpp: tick-label texts and the sides the labels of each axis take.
#include "graph/axis_labels.h"

#include "support/recording_canvas.h"

#include <gtest/gtest.h>

namespace {

using common::Extended;
using graph::XLabelPlacement;
using graph::YLabelPlacement;

TEST(TickLabelText, WritesPlainNumeralsOrTheExponentFormByDecade)
{
    const struct {
        const char* name;
        Extended value;
        int decade;
        const char* expected;
    } cases[] = {
        { "step 20", 140, 1, "140" },
        { "step 20, short", 20, 1, "20" },
        { "step 20, negative", -40, 1, "-40" },
        { "step 2", 4, 0, "  4" },
        { "step 0.05", 0.15L, -2, "  0.15" },
        { "step 0.005", -0.015L, -3, " -0.015" },
        { "step 2E5", 4e5L, 5, " 4E5" },
        { "step 5E-4", 1.5e-3L, -4, "15E-4" },
        { "step 2E12", -1.2e13L, 12, "-12E12" },
        { "step 2000", 6000, 3, "6000" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(graph::TickLabelText(testCase.value, testCase.decade), testCase.expected);
    }
}

// A 400 x 300 plot at (465, 40) with a margin of 40 and 16-pixel labels.
graph::GraphState Plot()
{
    graph::GraphState graph;
    graph.PlotLeft = 465;
    graph.PlotTop = 40;
    graph.PlotWidth = 400;
    graph.PlotHeight = 300;
    graph.LabelHeight = 16;
    return graph;
}

data::PointStore Ranges(Extended xMin, Extended xMax, Extended yMin, Extended yMax)
{
    data::PointStore points;
    points.XMin = xMin;
    points.XMax = xMax;
    points.YMin = yMin;
    points.YMax = yMax;
    return points;
}

TEST(ChooseYLabelPlacement, TakesTheFirstRowThatHolds)
{
    // The room test with decade 0 estimates "-5" and " 95" at 3 characters, 24 pixels.
    const struct {
        const char* name;
        data::PointStore points;
        int axisColumn;
        YLabelPlacement expected;
        int left;
    } cases[] = {
        { "x range starts at 0", Ranges(0, 10, -5.4L, 95.4L), 465, YLabelPlacement::LeftOfPlot,
            465 - 16 - 5 },
        { "x range ends at 0", Ranges(-10, 0, -5.4L, 95.4L), 865, YLabelPlacement::RightOfPlot,
            870 },
        { "axis in the left band", Ranges(-1, 9, -5.4L, 95.4L), 505, YLabelPlacement::RightOfAxis,
            510 },
        { "axis with room", Ranges(-5, 5, -5.4L, 95.4L), 534, YLabelPlacement::LeftOfAxis,
            534 - 16 - 5 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        test_support::RecordingCanvas canvas;
        const graph::GraphState graph = Plot();
        const YLabelPlacement placement
            = graph::ChooseYLabelPlacement(graph, testCase.points, canvas, testCase.axisColumn);
        EXPECT_EQ(placement, testCase.expected);
        EXPECT_EQ(graph::YLabelLeft(placement, graph, testCase.axisColumn, 16), testCase.left);
    }
}

TEST(ChooseYLabelPlacement, EstimatesWithTheDecadeOfThePreviousPass)
{
    // Decade -2 widens the estimate of 95.4 to "95.40", 40 pixels: 534 - 40 - 5 < 505.
    test_support::RecordingCanvas canvas;
    graph::GraphState graph = Plot();
    const data::PointStore points = Ranges(-5, 5, -5.4L, 95.4L);
    graph.YDecade = -2;
    EXPECT_EQ(
        graph::ChooseYLabelPlacement(graph, points, canvas, 534), YLabelPlacement::RightOfAxis);
}

TEST(ChooseXLabelPlacement, TakesTheFirstRowThatHolds)
{
    const struct {
        const char* name;
        data::PointStore points;
        int axisRow;
        XLabelPlacement expected;
        int top;
    } cases[] = {
        { "y range starts at 0", Ranges(-1, 9, 0, 10), 340, XLabelPlacement::BelowPlot, 343 },
        { "y range ends at 0", Ranges(-1, 9, -10, 0), 40, XLabelPlacement::AbovePlot, 21 },
        { "axis near the bottom", Ranges(-1, 9, -0.1L, 10), 325, XLabelPlacement::AboveAxis, 306 },
        { "axis one label above the bottom", Ranges(-1, 9, -5.4L, 95.4L), 324,
            XLabelPlacement::BelowAxis, 327 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const graph::GraphState graph = Plot();
        const XLabelPlacement placement
            = graph::ChooseXLabelPlacement(graph, testCase.points, testCase.axisRow);
        EXPECT_EQ(placement, testCase.expected);
        EXPECT_EQ(graph::XLabelTop(placement, graph, testCase.axisRow), testCase.top);
    }
}

} // namespace
