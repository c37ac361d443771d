// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/markers_test.cpp: marker sizes, vertices and colours.
#include "graph/markers.h"

#include "graph_scene.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

using test_support::CanvasCall;

TEST(MarkerHalfSize, FollowsEachShapeForSizeSeven)
{
    EXPECT_EQ(graph::MarkerHalfSize(graph::Circle, 7), 5);
    EXPECT_EQ(graph::MarkerHalfSize(graph::Square, 7), 5);
    EXPECT_EQ(graph::MarkerHalfSize(graph::Equilat, 7), 6);
    EXPECT_EQ(graph::MarkerHalfSize(graph::UpsideEquilat, 7), 6);
    EXPECT_EQ(graph::MarkerHalfSize(graph::Diamond, 7), 5);
    EXPECT_EQ(graph::MarkerHalfSize(graph::Equilat, 6), 5);
}

// The calls of one marker at (100, 200), with pen and brush where they matter.
std::vector<std::string> MarkerCalls(graph::MarkerShape markerType, int halfSize)
{
    test_support::RecordingCanvas canvas;
    canvas.SetPenColor(common::Black);
    canvas.SetBrushColor(common::Red);
    graph::DrawMarker(canvas, markerType, halfSize, 100, 200, common::Red);
    std::vector<std::string> descriptions;
    for (const auto& call : canvas.calls) {
        std::string description = call.Describe();
        description += call.brush == common::Black ? " on black" : "";
        descriptions.push_back(description);
    }
    EXPECT_EQ(canvas.calls.empty() ? 0u : canvas.calls.back().brush, common::Red);
    return descriptions;
}

TEST(DrawMarker, DrawsEachShapeWithItsExactVertices)
{
    using List = std::vector<std::string>;
    EXPECT_EQ(MarkerCalls(graph::Circle, 5), (List { "Ellipse 95 195 105 205" }));
    EXPECT_EQ(MarkerCalls(graph::Square, 5),
        (List { "FillRect 95 195 105 205 on black", "FillRect 96 196 104 204" }));
    // r = 6: half base 5, base 3 rows beyond the centre.
    EXPECT_EQ(MarkerCalls(graph::Equilat, 6), (List { "Polygon 100 194 95 203 105 203" }));
    EXPECT_EQ(MarkerCalls(graph::UpsideEquilat, 6), (List { "Polygon 100 206 105 197 95 197" }));
    EXPECT_EQ(MarkerCalls(graph::Diamond, 5), (List { "Polygon 100 205 105 200 100 195 95 200" }));
    // r = 5: 1.5 r = 7.5 goes to 8, so the base is again 3 rows below the centre.
    EXPECT_EQ(MarkerCalls(graph::Equilat, 5), (List { "Polygon 100 195 96 203 104 203" }));
}

TEST(DrawMarkers, CentresOnClampedPixelsInSlotOrderAndSkipsValuesThatAreNotFinite)
{
    // x 0..400 and y 0..300 map one unit to one pixel.
    graph_test::Scene scene;
    scene.SetData(0, 400, 0, 300,
        { { 100, 100 }, { 400, 300 }, { std::numeric_limits<common::Extended>::infinity(), 5 },
            { 0, 0 } });
    scene.graph.MarkerType = graph::Diamond;
    scene.graph.MarkerColor = 0x00FF0000;
    scene.Draw();
    const auto markers = scene.canvas.Of(CanvasCall::Kind::Polygon);
    ASSERT_EQ(markers.size(), 3u);
    EXPECT_EQ(markers[0].Describe(), "Polygon 565 245 570 240 565 235 560 240");
    EXPECT_EQ(markers[1].Describe(), "Polygon 865 45 870 40 865 35 860 40");
    EXPECT_EQ(markers[2].Describe(), "Polygon 465 345 470 340 465 335 460 340");
    EXPECT_EQ(markers[0].pen, common::Black);
    EXPECT_EQ(markers[0].penStyle, graph::PenStyle::Solid);
    EXPECT_EQ(markers[0].brush, 0x00FF0000u);
}

} // namespace
