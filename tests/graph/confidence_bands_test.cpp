// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/confidence_bands_test.cpp: the bands as tinted polygons behind the ticks and markers.
#include "graph_scene.h"

#include "fit/confidence_band.h"
#include "fit/lsq_routine.h"
#include "graph/confidence_bands.h"
#include "graph/plot_transforms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

using test_support::CanvasCall;

TEST(DrawConfidenceBands, FillsThePredictionBandThenTheConfidenceBandClippedToThePlot)
{
    // A straight line through five points; y from 0 to 3 so that the bands run off the plot.
    graph_test::Scene scene;
    scene.SetData(0, 6, 0, 3, { { 1, 1.2L }, { 2, 1.9L }, { 3, 2.9L }, { 4, 4.2L }, { 5, 4.8L } });
    fit::AllocateWorkingStorage(scene.fit);
    fit::LsqRoutine(scene.points, scene.fit);
    scene.fit.FitValid = true;
    scene.graph.ConfidenceBandShown = true;
    scene.graph.PredictionBandShown = true;
    scene.Draw();

    const auto& calls = scene.canvas.calls;
    const auto firstMarker = std::find_if(calls.begin(), calls.end(),
        [](const CanvasCall& call) { return call.kind == CanvasCall::Kind::Ellipse; });
    std::vector<CanvasCall> fills;
    std::copy_if(calls.begin(), firstMarker, std::back_inserter(fills),
        [](const CanvasCall& call) { return call.kind == CanvasCall::Kind::FillTinted; });
    ASSERT_EQ(fills.size(), 2u);
    // The confidence band's tint is its own over the prediction band's: 64 over 36 is 91.
    const int background = static_cast<int>(scene.graph.GraphColor);
    EXPECT_EQ(fills[0].coordinates, (std::vector<int> { graph::PredictionBandAlpha, background }));
    EXPECT_EQ(fills[1].coordinates, (std::vector<int> { 91, background }));

    const auto bands = fit::FitBands::Of(scene.fit, 95);
    ASSERT_TRUE(bands.has_value());
    const fit::BandKind kinds[] = { fit::BandKind::Prediction, fit::BandKind::Confidence };
    for (int band = 0; band < 2; ++band) {
        SCOPED_TRACE(band);
        const std::vector<graph::PathPoint>& outline = fills[band].outline;
        EXPECT_EQ(fills[band].fillColor, scene.graph.MarkerColor);
        // The upper limits of the 401 columns from left to right, then the lower ones back.
        ASSERT_EQ(outline.size(), 802u);
        for (int i = 0; i <= 400; ++i) {
            const int column = 465 + i;
            const auto limits
                = bands->At(graph::PixelToX(scene.graph, scene.points, column), kinds[band]);
            ASSERT_TRUE(limits.has_value());
            const auto row = [](common::Extended y) {
                return std::clamp(double(340.5L - 300 * y / 3), 40.5, 340.5);
            };
            EXPECT_EQ(outline[i], (graph::PathPoint { column + 0.5, row(limits->Upper) }));
            EXPECT_EQ(outline[801 - i], (graph::PathPoint { column + 0.5, row(limits->Lower) }));
        }
    }

    // A fit the data no longer match draws its bands at half the opacity.
    scene.graph.FitCurveStale = true;
    scene.canvas.calls.clear();
    scene.Draw();
    const auto stale = scene.canvas.Of(CanvasCall::Kind::FillTinted);
    ASSERT_EQ(stale.size(), 2u);
    EXPECT_EQ(stale[0].coordinates[0], graph::PredictionBandAlpha / 2);
    EXPECT_EQ(stale[1].coordinates[0], 48);
    fit::ReleaseWorkingStorage(scene.fit);
}

} // namespace
