// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/draw_graph_test.cpp: whole drawing passes: order, ticks and labels, legends,
// degenerate plots.
#include "graph_scene.h"

#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace {

using common::Extended;
using graph_test::Scene;
using graph_test::Segment;
using test_support::CanvasCall;

std::vector<std::string> Descriptions(const std::vector<CanvasCall>& calls)
{
    std::vector<std::string> descriptions;
    for (const auto& call : calls)
        descriptions.push_back(call.Describe());
    return descriptions;
}

// Horizontal segments of a given length, by row.
std::vector<Segment> Horizontal(const std::vector<Segment>& segments, int length)
{
    std::vector<Segment> selected;
    std::copy_if(segments.begin(), segments.end(), std::back_inserter(selected),
        [&](const Segment& s) { return s.y1 == s.y2 && s.x2 - s.x1 == length; });
    return selected;
}

// The worked example: y data 3..87 padded to -5.4..95.4, x range -1.5..13.5 (x axis at column
// 505, y axis at row 324).
void WorkedExample(Scene& scene)
{
    scene.SetData(-1.5L, 13.5L, -5.4L, 95.4L, { { 1, 3 }, { 12, 87 } });
}

TEST(DrawGraph, LabelsTheWorkedYAxisEveryTwentyWithoutZero)
{
    Scene scene;
    WorkedExample(scene);
    scene.Draw();

    EXPECT_TRUE(test_support::IsNear(scene.graph.YTickStep, 20, 1e-15L));
    EXPECT_EQ(scene.graph.YDecade, 1);
    EXPECT_EQ(scene.graph.LabelHeight, 16);
    EXPECT_EQ(scene.graph.LabelWidth, 48);
    // The y axis is in the left margin band, so the labels stand right of it on the plot colour.
    const auto texts = scene.canvas.Of(CanvasCall::Kind::TextOut);
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(Descriptions({ texts.begin(), texts.begin() + 4 }),
        (std::vector<std::string> { "TextOut 510 256 \"20\"", "TextOut 510 197 \"40\"",
            "TextOut 510 137 \"60\"", "TextOut 510 78 \"80\"" }));
    EXPECT_EQ(texts[0].brush, common::White);

    // Major ticks at 0, 20, ..., 80, each on the axis and both frame edges.
    const auto majors = Horizontal(scene.Segments(), 10);
    ASSERT_EQ(majors.size(), 15u);
    const int rows[] = { 324, 264, 205, 145, 86 };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(majors[3 * i].x1, 500);
        EXPECT_EQ(majors[3 * i + 1].x1, 460);
        EXPECT_EQ(majors[3 * i + 2].x1, 860);
        for (int line = 0; line < 3; ++line)
            EXPECT_EQ(majors[3 * i + line].y1, rows[i]);
    }
    // Minor ticks every 4 from -4 to 92, from one pixel before to two after each line.
    const auto minors = Horizontal(scene.Segments(), 3);
    ASSERT_EQ(minors.size(), 75u);
    EXPECT_EQ(minors.front().y1, 336);
    EXPECT_EQ(minors.back().y1, 50);
    EXPECT_EQ(minors.front().x1, 504);
}

TEST(DrawGraph, LabelsTheXAxisCentredUnderItsTicks)
{
    Scene scene;
    WorkedExample(scene);
    scene.Draw();
    // 15 trial steps of 1 over 400 pixels of 32-pixel labels crowd by 1.2: step 2, decade 0.
    EXPECT_TRUE(test_support::IsNear(scene.graph.XTickStep, 2, 1e-15L));
    const auto texts = scene.canvas.Texts();
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 4, texts.end()),
        (std::vector<std::string> { "  2", "  4", "  6", "  8", " 10", " 12" }));
    const auto first = scene.canvas.Of(CanvasCall::Kind::TextOut)[4];
    EXPECT_EQ(first.Describe(), "TextOut 546 327 \"  2\"");
}

TEST(DrawGraph, SkipsLabelsThatTouchTheEdgesButDrawTheirTicks)
{
    // Zero suppressed: y 35..90, step 10. The tick at 30 lies below the range and is clamped onto
    // the bottom edge; the one at 90 is on the top edge. Neither fits.
    Scene scene;
    scene.SetData(-1.5L, 13.5L, 35, 90, { { 1, 40 }, { 12, 85 } });
    scene.Draw();
    const auto texts = scene.canvas.Texts();
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 5),
        (std::vector<std::string> { "40", "50", "60", "70", "80" }));
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "30"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "90"), 0);
    const auto majors = Horizontal(scene.Segments(), 10);
    ASSERT_EQ(majors.size(), 21u);
    EXPECT_EQ(majors.front().y1, 340);
    EXPECT_EQ(majors.back().y1, 40);
}

TEST(DrawGraph, PaintsInTheOrderOfThePass)
{
    Scene scene;
    WorkedExample(scene);
    scene.fit.FitValid = true;
    scene.fit.FitType = fit::StraightLine;
    scene.fit.ConstantCount = 2;
    scene.fit.FitConstants[1] = 1;
    scene.Draw();
    const auto& calls = scene.canvas.calls;

    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].Describe(), "FillRect 0 0 917 380");
    EXPECT_EQ(calls[0].brush, common::ButtonFaceColor);
    EXPECT_EQ(calls[1].Describe(), "FillRect 465 40 865 340");
    EXPECT_EQ(calls[1].brush, common::White);

    const auto indexOf = [&](const std::string& description) {
        const auto found = std::find_if(calls.begin(), calls.end(),
            [&](const CanvasCall& call) { return call.Describe() == description; });
        return found - calls.begin();
    };
    const auto lastY = indexOf("TextOut 510 78 \"80\"");
    const auto firstX = indexOf("TextOut 546 327 \"  2\"");
    // Frame: y axis, left and right edges, then (after the minor y ticks) x axis, top, bottom.
    const auto yAxis = indexOf("LineTo 505 340");
    const auto xAxis = indexOf("LineTo 865 324");
    const auto firstMarker = indexOf("Ellipse 527 310 537 320");
    EXPECT_LT(lastY, firstX);
    EXPECT_LT(firstX, yAxis);
    EXPECT_EQ(calls[yAxis + 2].Describe(), "LineTo 465 340");
    EXPECT_EQ(calls[yAxis + 4].Describe(), "LineTo 865 340");
    EXPECT_EQ(calls[yAxis].pen, common::Black);
    EXPECT_LT(yAxis, xAxis);
    EXPECT_EQ(calls[xAxis + 2].Describe(), "LineTo 865 40");
    EXPECT_EQ(calls[xAxis + 4].Describe(), "LineTo 865 340");
    EXPECT_LT(xAxis, firstMarker);
    ASSERT_LT(static_cast<size_t>(firstMarker), calls.size());
    // The curve comes last: one move-to and 400 line-tos in the marker colour.
    ASSERT_GE(calls.size(), 401u);
    EXPECT_EQ(calls[calls.size() - 401].kind, CanvasCall::Kind::MoveTo);
    EXPECT_EQ(calls.back().pen, common::Red);
    EXPECT_LT(firstMarker, static_cast<long>(calls.size() - 401));
}

TEST(DrawGraph, DoesNothingWithoutData)
{
    Scene scene;
    scene.points.DataPresent = false;
    scene.graph.PlotLeft = 12;
    scene.Draw();
    EXPECT_TRUE(scene.canvas.calls.empty());
    EXPECT_FALSE(scene.title.visible);
    EXPECT_TRUE(scene.yLegend.moves.empty());
    EXPECT_EQ(scene.graph.PlotLeft, 12);
}

TEST(DrawGraph, PlacesTitleAndLegendsAfterMovingEachToTheLeft)
{
    Scene scene;
    WorkedExample(scene);
    scene.Draw();
    EXPECT_EQ(
        scene.title.moves, (std::vector<std::string> { "visible", "left 1", "left 645", "top 8" }));
    EXPECT_EQ(scene.xLegend.moves,
        (std::vector<std::string> { "visible", "left 1", "left 625", "top 356" }));
    EXPECT_EQ(scene.yLegend.moves,
        (std::vector<std::string> { "visible", "left 1", "left 375", "top 182" }));
    EXPECT_EQ(scene.graph.YLegendLeft, 375);

    scene.title.moves.clear();
    scene.Draw();
    EXPECT_EQ(scene.title.moves, (std::vector<std::string> { "left 1", "left 645", "top 8" }));
}

TEST(DrawGraph, KeepsTheYLegendClearOfLabelsLeftOfThePlot)
{
    // The x range starts at 0: the y labels stand 5 pixels left of the plot on the background,
    // and the legend moves further left by the width of the top label, "80".
    Scene scene;
    scene.SetData(0, 13.5L, -5.4L, 95.4L, { { 1, 3 }, { 12, 87 } });
    scene.Draw();
    const auto texts = scene.canvas.Of(CanvasCall::Kind::TextOut);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(
        texts[0].Describe(), "TextOut 444 " + std::to_string(texts[0].coordinates[1]) + " \"20\"");
    EXPECT_EQ(texts[0].brush, common::ButtonFaceColor);
    EXPECT_EQ(scene.graph.YLegendLeft, 465 - 80 - 10 - 16);
    EXPECT_EQ(scene.yLegend.left, 359);
}

TEST(DrawGraph, LeavesADroppedYLegendWhereTheUserPutIt)
{
    Scene scene;
    WorkedExample(scene);
    scene.yLegend.visible = true;
    scene.yLegend.left = 123;
    scene.yLegend.top = 77;
    scene.graph.YLabelMoved = true;
    scene.Draw();
    EXPECT_EQ(scene.yLegend.moves, (std::vector<std::string> { "left 1", "left 123" }));
    EXPECT_EQ(scene.yLegend.top, 77);
    EXPECT_EQ(scene.graph.YLegendLeft, 123);
}

TEST(DrawGraph, DrawsDegeneratePlotsWithoutFaults)
{
    constexpr Extended Largest = std::numeric_limits<Extended>::max();
    const struct {
        const char* name;
        int outerWidth;
        int outerHeight;
        Extended xMin, xMax, yMin, yMax;
        std::vector<std::pair<Extended, Extended>> points;
        int markerColumn; // -1: not checked
    } cases[] = {
        { "all x equal, zero suppressed", 925, 430, 5, 5, 0.8L, 3.2L, { { 5, 1 }, { 5, 3 } }, 665 },
        { "all values 0", 925, 430, 0, 0, 0, 0, { { 0, 0 }, { 0, 0 } }, 665 },
        { "lines but no point", 925, 430, 0, 0, 0, 0, {}, -1 },
        { "range beyond the extended range", 925, 430, -Largest, Largest, 0, 1,
            { { -Largest * 0.5L, 1 } }, 665 },
        { "plot of zero size", 525, 130, -1, 9, -1, 9, { { 1, 1 } }, 465 },
        { "plot of negative size", 300, 100, -1, 9, -1, 9, { { 1, 1 } }, 465 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        Scene scene;
        scene.window.OuterWidth = testCase.outerWidth;
        scene.window.OuterHeight = testCase.outerHeight;
        scene.SetData(testCase.xMin, testCase.xMax, testCase.yMin, testCase.yMax, testCase.points);
        std::feclearexcept(FE_ALL_EXCEPT);
        EXPECT_NO_THROW(scene.Draw());
        EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);

        const auto& calls = scene.canvas.calls;
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls[0].Describe(), "FillRect 0 0 917 380");
        const auto segments = scene.Segments();
        const auto blackLines = std::count_if(segments.begin(), segments.end(),
            [](const Segment& s) { return s.pen == common::Black; });
        EXPECT_GE(blackLines, 6);
        const auto markers = scene.canvas.Of(CanvasCall::Kind::Ellipse);
        ASSERT_EQ(markers.size(), testCase.points.size());
        if (testCase.markerColumn >= 0) {
            for (const auto& marker : markers)
                EXPECT_EQ(marker.coordinates[0] + 5, testCase.markerColumn);
        }
        EXPECT_TRUE(scene.title.visible);
    }
}

} // namespace

TEST(DrawGraph, KeepsNeighbouringXLabelsApart)
{
    // x from 0 to 1.63 over 590 pixels: a trial step of 0.1 has the decade -2, whose labels
    // ("  0.10") are six characters wide; the crowding test must count them as such.
    Scene scene;
    scene.window = { 1115, 430, 1107, 380, 0, 0, 330 };
    scene.SetData(0, 1.63L, 0, 2.5L, { { 0.2L, 0.9L }, { 1.5L, 2.45L } });
    scene.Draw();
    ASSERT_EQ(scene.graph.PlotWidth, 590);

    std::vector<CanvasCall> xLabels;
    for (const CanvasCall& call : scene.canvas.Of(CanvasCall::Kind::TextOut))
        if (call.text.find('.') != std::string::npos
            && call.coordinates[1] > scene.graph.PlotTop + scene.graph.PlotHeight)
            xLabels.push_back(call);
    ASSERT_GE(xLabels.size(), 2u);
    for (std::size_t i = 1; i < xLabels.size(); ++i) {
        SCOPED_TRACE(xLabels[i].Describe());
        const int previousRight = xLabels[i - 1].coordinates[0]
            + static_cast<int>(xLabels[i - 1].text.size())
                * test_support::RecordingCanvas::CharacterWidth;
        EXPECT_LE(previousRight, xLabels[i].coordinates[0]);
    }
}

TEST(DrawGraph, SkipsXLabelsThatWouldOverprintTheirNeighbour)
{
    // Hourly timestamps near 1.7E9: every label is long ("17000000E5"); the ticks stay, and
    // the labels written stand at least a blank apart.
    Scene scene;
    scene.SetData(1.7e9L, 1.7e9L + 7.2e5L, 19, 21, { { 1.7e9L, 20 }, { 1.7e9L + 7.2e5L, 20.5L } });
    scene.Draw();
    std::vector<CanvasCall> xLabels;
    for (const CanvasCall& call : scene.canvas.Of(CanvasCall::Kind::TextOut))
        if (call.text.find('E') != std::string::npos)
            xLabels.push_back(call);
    ASSERT_GE(xLabels.size(), 2u);
    for (std::size_t i = 1; i < xLabels.size(); ++i) {
        SCOPED_TRACE(xLabels[i].Describe());
        const int previousRight = xLabels[i - 1].coordinates[0]
            + static_cast<int>(xLabels[i - 1].text.size())
                * test_support::RecordingCanvas::CharacterWidth;
        EXPECT_LE(previousRight + test_support::RecordingCanvas::CharacterWidth,
            xLabels[i].coordinates[0]);
    }
    EXPECT_GT(scene.canvas.Of(CanvasCall::Kind::LineTo).size(), 3 * xLabels.size());
}
