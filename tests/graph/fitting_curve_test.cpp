// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/fitting_curve_test.cpp: one sample per column, clamped onto the edges, one connected
// line.
#include "graph_scene.h"

#include "fit/lsq_routine.h"
#include "graph/curve_path.h"
#include "graph/plot_transforms.h"

#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cmath>
#include <vector>

namespace {

using common::Extended;
using test_support::CanvasCall;

// The move-to and line-tos of the curve, the last calls of the pass.
std::vector<CanvasCall> CurveCalls(const graph_test::Scene& scene)
{
    const auto& calls = scene.canvas.calls;
    auto start = calls.end();
    while (start != calls.begin() && (start - 1)->kind == CanvasCall::Kind::LineTo
        && (start - 1)->pen == scene.graph.MarkerColor)
        --start;
    if (start != calls.begin())
        --start;
    return { start, calls.end() };
}

TEST(DrawFittingCurve, SamplesEveryColumnFromEdgeToEdge)
{
    // y = 0.75 x over x 0..400 and y 0..300 runs corner to corner.
    graph_test::Scene scene;
    scene.SetData(0, 400, 0, 300, { { 100, 75 } });
    scene.fit.FitValid = true;
    scene.fit.FitType = fit::StraightLine;
    scene.fit.ConstantCount = 2;
    scene.fit.FitConstants[1] = 0.75L;
    scene.Draw();
    const auto curve = CurveCalls(scene);
    ASSERT_EQ(curve.size(), 401u);
    EXPECT_EQ(curve.front().Describe(), "MoveTo 465 340");
    EXPECT_EQ(curve.back().Describe(), "LineTo 865 40");
    for (int i = 1; i <= 400; ++i) {
        ASSERT_EQ(curve[i].kind, CanvasCall::Kind::LineTo);
        ASSERT_EQ(curve[i].coordinates[0], 465 + i);
        ASSERT_EQ(curve[i].coordinates[1], 340 - static_cast<int>(std::nearbyint(0.75 * i)));
    }
}

TEST(DrawFittingCurve, StartsAPowerLawAtZeroWhenTheRangeStartsThere)
{
    // f(x) = 2 / x over x 0..10 and y -5..10: f(0) = 0 on row 240, then straight up to the top.
    graph_test::Scene scene;
    scene.SetData(0, 10, -5, 10, { { 1, 2 }, { 4, 0.5L } });
    scene.fit.FitValid = true;
    scene.fit.FitType = fit::PowerLaw;
    scene.fit.ConstantCount = 2;
    scene.fit.FitConstants[0] = std::log(Extended(2));
    scene.fit.FitConstants[1] = -1;
    scene.Draw();
    const auto curve = CurveCalls(scene);
    ASSERT_EQ(curve.size(), 401u);
    EXPECT_EQ(curve[0].Describe(), "MoveTo 465 240");
    EXPECT_EQ(curve[1].Describe(), "LineTo 466 40");
}

TEST(DrawFittingCurve, RunsAlongTheEdgeWhereTheCurveOverflows)
{
    // exp(100000 x) overflows the extended range from x = 0.12 on, and underflows to 0 below 0.
    graph_test::Scene scene;
    scene.SetData(-1, 1, -1, 2, { { 0, 1 } });
    scene.fit.FitValid = true;
    scene.fit.FitType = fit::Exponential;
    scene.fit.ConstantCount = 2;
    scene.fit.FitConstants[1] = 100000;
    // The pass leaves the fault flags as it found them: one raised before stays, no other leaks.
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_DIVBYZERO);
    scene.Draw();
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), FE_DIVBYZERO);
    std::feclearexcept(FE_ALL_EXCEPT);
    const auto curve = CurveCalls(scene);
    ASSERT_EQ(curve.size(), 401u);
    EXPECT_EQ(curve[0].Describe(), "MoveTo 465 240"); // exp(-100000) is 0
    EXPECT_EQ(curve.back().Describe(), "LineTo 865 40");
    EXPECT_EQ(curve[300].Describe(), "LineTo 765 40");
}

TEST(DrawFittingCurve, FollowsAnIllConditionedFitToTheExactCurve)
{
    // Yearly x with y = q(x - 2005) exactly, so the exact order-8 fit is q. In powers of x its
    // terms cancel by about twenty orders of magnitude: evaluated so in Extended, the curve was
    // off by several rows. Every sample must land on the row of the exact curve.
    const std::array<Extended, 9> q { 50, 1, 0, 0, 0x1p-12L, 0, -0x1p-22L, 0, 0x1p-30L };
    const auto exactCurve = [&](Extended x) {
        const Extended t = x - 2005;
        Extended value = 0;
        for (int k = 8; k >= 0; --k)
            value = value * t + q[k];
        return value;
    };
    std::vector<std::pair<Extended, Extended>> points;
    for (int year = 1990; year <= 2020; ++year)
        points.emplace_back(year, exactCurve(year));
    graph_test::Scene scene;
    scene.SetData(1988, 2022, 40, 85, points);
    fit::AllocateWorkingStorage(scene.fit);
    scene.fit.FitType = fit::Polynomial;
    scene.fit.FitOrder = 8;
    fit::LsqRoutine(scene.points, scene.fit);
    scene.fit.FitValid = true;
    scene.Draw();
    const auto curve = CurveCalls(scene);
    ASSERT_EQ(curve.size(), 401u);
    for (int i = 0; i <= 400; ++i) {
        const int column = 465 + i;
        ASSERT_EQ(curve[i].coordinates[1],
            graph::YToPixel(scene.graph, scene.points,
                exactCurve(graph::PixelToX(scene.graph, scene.points, column))))
            << "column " << column;
    }
    fit::ReleaseWorkingStorage(scene.fit);
}

TEST(DrawFittingCurve, OnlyMovesWhenThePlotHasNoWidth)
{
    graph_test::Scene scene;
    scene.window.OuterWidth = 500;
    scene.SetData(0, 10, 0, 10, { { 1, 1 } });
    scene.fit.FitValid = true;
    scene.fit.ConstantCount = 1;
    scene.Draw();
    EXPECT_EQ(scene.canvas.calls.back().Describe(), "MoveTo 465 340");
}

} // namespace

TEST(FittedCurvePath, CutsTheCurveAtThePlotAndStaysWithinTheToleranceOfIt)
{
    // y = (x - 200)^2 / 100 over x 0..400 and y 0..300 leaves the plot at the top on both
    // sides: one polyline, from the top edge down to the bottom and up to the top edge again.
    graph_test::Scene scene;
    scene.SetData(0, 400, 0, 300);
    scene.graph.PlotLeft = 465;
    scene.graph.PlotTop = 40;
    scene.graph.PlotWidth = 400;
    scene.graph.PlotHeight = 300;
    scene.fit.FitType = fit::Polynomial;
    scene.fit.ConstantCount = 3;
    scene.fit.FitConstants[0] = 400;
    scene.fit.FitConstants[1] = -4;
    scene.fit.FitConstants[2] = 0.01L;
    const auto row = [](double x) { return 340.5 - (x - 200) * (x - 200) / 100; };
    const auto polylines = graph::FittedCurvePath(scene.graph, scene.points, scene.fit);
    ASSERT_EQ(polylines.size(), 1u);
    const std::vector<graph::PathPoint>& curve = polylines.front();
    // Where (x - 200)^2 = 30000: x = 200 -+ 173.205.
    EXPECT_NEAR(curve.front().X, 465.5 + 26.795, 1.0 / graph::CurveSamplesPerPixel);
    EXPECT_NEAR(curve.back().X, 465.5 + 373.205, 1.0 / graph::CurveSamplesPerPixel);
    EXPECT_DOUBLE_EQ(curve.front().Y, 40.5);
    EXPECT_DOUBLE_EQ(curve.back().Y, 40.5);
    // Thinned, yet between its points within the tolerance of the curve itself.
    EXPECT_LT(curve.size(), 400u);
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const graph::PathPoint from = curve[i - 1];
        const graph::PathPoint to = curve[i];
        for (double t = 0; t <= 1; t += 0.125) {
            const double x = from.X + t * (to.X - from.X) - 465.5;
            EXPECT_NEAR(from.Y + t * (to.Y - from.Y), row(x), 2 * graph::PathTolerance)
                << "at x " << x;
        }
    }
}
