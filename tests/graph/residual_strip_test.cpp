// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/residual_strip_test.cpp: the residual strip's room under the plot, its scale,
// markers and labels, in a whole drawing pass.
#include "graph_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using test_support::CanvasCall;

struct Box {
    int left, top, right, bottom;
};

TEST(ResidualStrip, TakesAFifthOfThePlotLeftAboveItAndKeepsEveryLabelApart)
{
    // The 400 x 300 plot of the scene; y = x against points off it by 0.2, -0.1, -0.1, 0.2.
    // With x and y ranges from 0 the y labels stand left of the plot and the x labels below.
    graph_test::Scene scene;
    scene.SetData(0, 5, 0, 5, { { 1, 1.2L }, { 2, 1.9L }, { 3, 2.9L }, { 4, 4.2L } });
    scene.fit.FitValid = true;
    scene.fit.FitType = fit::StraightLine;
    scene.fit.ConstantCount = 2;
    scene.fit.FitConstants[1] = 1;
    scene.graph.ResidualsShown = true;
    scene.Draw();

    // Of 300 - 15 rows the strip takes a sixth (47.5 to even: 48), the plot the 237 left.
    EXPECT_EQ(scene.graph.PlotHeight, 237);
    EXPECT_EQ(scene.graph.StripTop, 292);
    EXPECT_EQ(scene.graph.StripHeight, 48);
    const auto fills = scene.canvas.Of(CanvasCall::Kind::FillRect);
    EXPECT_TRUE(std::any_of(fills.begin(), fills.end(), [](const CanvasCall& call) {
        return call.Describe() == "FillRect 465 292 865 340" && call.brush == common::White;
    }));
    // Residuals -0.1..0.2 padded to -0.13..0.23 over 48 rows: 0 on row 323, 0.2 on row 296 and
    // -0.1 on row 336; small circles of half-size 3 at the points' columns.
    const auto segments = scene.Segments();
    EXPECT_TRUE(std::any_of(segments.begin(), segments.end(), [](const graph_test::Segment& s) {
        return s.x1 == 465 && s.x2 == 865 && s.y1 == 323 && s.y2 == 323 && s.pen == common::Black;
    }));
    std::vector<std::string> markers;
    for (const CanvasCall& call : scene.canvas.Of(CanvasCall::Kind::Ellipse))
        if (call.coordinates[1] > 292)
            markers.push_back(call.Describe());
    EXPECT_EQ(markers,
        (std::vector<std::string> { "Ellipse 542 293 548 299", "Ellipse 622 333 628 339",
            "Ellipse 702 333 708 339", "Ellipse 782 293 788 299" }));

    // Steps of 0.2: only the label of 0 fits inside the strip's height, right-aligned 5 pixels
    // left of it; the x labels and the x legend stand below the strip.
    const auto texts = scene.canvas.Of(CanvasCall::Kind::TextOut);
    EXPECT_EQ(
        std::count_if(texts.begin(), texts.end(),
            [](const CanvasCall& call) { return call.Describe() == "TextOut 420 315 \"  0.0\""; }),
        1);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
        [](const CanvasCall& call) { return call.coordinates[1] == 340 + 3; }));
    EXPECT_EQ(scene.xLegend.top, 356);
    // The y legend clears the strip's label, the widest left of the plot, and no tick label of
    // the plot or the strip overlaps another or the y legend.
    EXPECT_EQ(scene.yLegend.left, 465 - 80 - 10 - 40);

    std::vector<Box> boxes;
    for (const CanvasCall& call : texts) {
        const int width = test_support::RecordingCanvas::CharacterWidth * int(call.text.size());
        boxes.push_back({ call.coordinates[0], call.coordinates[1], call.coordinates[0] + width,
            call.coordinates[1] + test_support::RecordingCanvas::LineHeight });
    }
    boxes.push_back({ scene.yLegend.left, scene.yLegend.top,
        scene.yLegend.left + scene.yLegend.width, scene.yLegend.top + scene.yLegend.height });
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& a = boxes[i];
            const Box& b = boxes[j];
            EXPECT_FALSE(
                a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
                << "boxes " << i << " and " << j << " overlap";
        }
}

TEST(ResidualStrip, TakesNoRoomWithoutAValidFit)
{
    graph_test::Scene scene;
    scene.SetData(0, 5, 0, 5, { { 1, 1 } });
    scene.graph.ResidualsShown = true;
    scene.Draw();
    EXPECT_EQ(scene.graph.PlotHeight, 300);
    EXPECT_EQ(scene.graph.StripHeight, 0);
    EXPECT_EQ(scene.xLegend.top, 356);
}

} // namespace
