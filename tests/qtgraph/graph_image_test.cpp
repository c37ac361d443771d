// SPDX-License-Identifier: GPL-3.0-or-later
// tests/qtgraph/graph_image_test.cpp: a whole graph rendered into an image, checked at computed
// pixels.
#include "qtgraph/graph_image.h"

#include "graph/plot_transforms.h"
#include "qtgraph/fitted_line_scene.h"
#include "qtgraph/palette_image.h"
#include "qtgraph/qt_color.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace {

using common::Extended;

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;

using GraphImage = qtgraph_test::FittedLineScene;

TEST(RenderGraphImage, PaintsPlotFrameMarkersCurveAndLegends)
{
    GraphImage scene;
    const QImage image = qtgraph::RenderGraphImage(
        scene.graph, scene.points, scene.fit, scene.window, qtgraph::GraphLegends {});
    ASSERT_EQ(image.size(), QSize(1016, 720));
    const auto& graph = scene.graph;
    const int left = graph.PlotLeft;
    const int top = graph.PlotTop;
    const int right = left + graph.PlotWidth;
    const int bottom = top + graph.PlotHeight;

    EXPECT_EQ(QColor(image.pixel(2, 2)),
        qtgraph::ColorOf(common::ButtonFaceColor, QGuiApplication::palette()));
    EXPECT_EQ(image.pixel(left + 100, top + 100), White);
    EXPECT_EQ(image.pixel(left + 100, top), Black);
    EXPECT_EQ(image.pixel(right, top + 100), Black);
    EXPECT_EQ(image.pixel(left + 100, bottom), Black);

    // The marker of (3, 7): a red circle, black at its box's left column.
    const int column = graph::XToPixel(graph, scene.points, 3);
    const int row = graph::YToPixel(graph, scene.points, 7);
    EXPECT_EQ(image.pixel(column + 1, row - 1), Red);
    EXPECT_EQ(image.pixel(column - 5, row), Black);

    // The fitted line, one pixel per column: the sample of a column starts the next segment.
    const int sampleColumn = left + graph.PlotWidth / 3;
    const int sampleRow = graph::YToPixel(
        graph, scene.points, 2 * graph::PixelToX(graph, scene.points, sampleColumn) + 1);
    EXPECT_EQ(image.pixel(sampleColumn, sampleRow), Red);

    // The title's text, centred above the plot.
    int dark = 0;
    for (int x = left; x < right; ++x)
        for (int y = top - 2 * graph.LabelHeight; y < top - graph.LabelHeight; ++y)
            dark += qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(dark, 10);
}

TEST(RenderGraphImage, DrawsDegenerateGraphsWithoutFaults)
{
    const struct {
        const char* name;
        Extended xMin, xMax, yMin, yMax;
        int outerWidth;
    } cases[] = {
        { "all values 0", 0, 0, 0, 0, 1024 },
        { "ranges beyond the extended range", -std::numeric_limits<Extended>::max(),
            std::numeric_limits<Extended>::max(), 0, 1, 1024 },
        { "plot of negative size", 0, 4.3L, 0, 9.6L, 400 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        GraphImage scene;
        scene.points.XMin = testCase.xMin;
        scene.points.XMax = testCase.xMax;
        scene.points.YMin = testCase.yMin;
        scene.points.YMax = testCase.yMax;
        scene.window.OuterWidth = testCase.outerWidth;
        const QImage image = qtgraph::RenderGraphImage(
            scene.graph, scene.points, scene.fit, scene.window, qtgraph::GraphLegends {});
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixel(scene.graph.PlotLeft, scene.graph.PlotTop), Black);
    }
}

} // namespace

TEST(PaletteImage, KeepsEveryPixelOfAFewColoursAndTakesNoMore)
{
    // 256 colours fit the palette, pixel for pixel; one more does not.
    QImage image(64, 5, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int colour = 0; colour < 255; ++colour)
        image.setPixel(colour % 64, colour / 64, qRgb(colour, 255 - colour, 7));
    const std::optional<QImage> palettised = qtgraph::PaletteImage(image);
    ASSERT_TRUE(palettised.has_value());
    EXPECT_EQ(palettised->format(), QImage::Format_Indexed8);
    EXPECT_EQ(palettised->convertToFormat(QImage::Format_RGB32), image);

    image.setPixel(0, 4, qRgb(1, 2, 3));
    EXPECT_FALSE(qtgraph::PaletteImage(image).has_value());
}
