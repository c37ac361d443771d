// tests/qtgraph/graph_file_test.cpp: graph files: the area of the window's pass, vector drawings
// that hold no pixels, the layout of a graph alone, and the file written.
#include "qtgraph/graph_file.h"

#include "common/failure.h"
#include "qtgraph/fitted_line_scene.h"

#include <QImage>
#include <QXmlStreamReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

using Scene = qtgraph_test::FittedLineScene;

// The window's graph area: its client area right of the data pane.
qtgraph::GraphView GraphAreaOf(const Scene& scene)
{
    const int paneRight = scene.window.DataWindowLeft + scene.window.DataWindowWidth;
    return qtgraph::GraphView { scene.window,
        QRect(paneRight, 0, scene.window.ClientWidth - paneRight, scene.window.ClientHeight), {} };
}

QByteArray Render(graph::GraphFileFormat format, const Scene& scene)
{
    return qtgraph::RenderGraphFile(
        format, scene.graph, scene.points, scene.fit, GraphAreaOf(scene));
}

// The streams of a PDF, inflated.
std::string PdfContent(const QByteArray& pdf)
{
    std::string content;
    for (qsizetype start = pdf.indexOf("stream\n"); start >= 0;
         start = pdf.indexOf("stream\n", start + 1)) {
        const qsizetype data = start + 7;
        const qsizetype end = pdf.indexOf("endstream", data);
        if (end < 0)
            break;
        // qUncompress takes zlib data after the size it is to expect, big-endian.
        QByteArray packed(4, '\0');
        qToBigEndian<quint32>(4 << 20, packed.data());
        packed += pdf.mid(data, end - data);
        content += qUncompress(packed).toStdString();
        start = end;
    }
    return content;
}

} // namespace

TEST(RenderGraphFile, DrawsTheWindowsGraphAreaIntoAPng)
{
    Scene scene;
    const QImage png = QImage::fromData(Render(graph::GraphFileFormat::Png, scene), "PNG");
    Scene window;
    const QImage client = qtgraph::RenderGraphImage(
        window.graph, window.points, window.fit, window.window, qtgraph::GraphLegends {});
    const QRect area = GraphAreaOf(scene).Area;
    ASSERT_EQ(png.size(), area.size());
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), client.copy(area));
    EXPECT_EQ(png.dotsPerMeterX(), 3780);
    // The window's state is the window's: the file leaves it as it was.
    EXPECT_EQ(scene.graph.PlotWidth, 0);
}

TEST(RenderGraphFile, DrawsAnSvgOfShapesAndText)
{
    const QByteArray svg = Render(graph::GraphFileFormat::Svg, Scene());
    QXmlStreamReader reader(svg);
    QStringList elements;
    QString viewBox;
    QString texts;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        elements << reader.name().toString();
        if (reader.name() == QLatin1String("svg"))
            viewBox = reader.attributes().value(QLatin1String("viewBox")).toString();
        if (reader.name() == QLatin1String("text"))
            texts += reader.readElementText();
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    ASSERT_FALSE(elements.isEmpty());
    EXPECT_EQ(elements.first(), QLatin1String("svg"));
    EXPECT_EQ(viewBox, QLatin1String("0 0 686 720"));
    EXPECT_FALSE(elements.contains(QLatin1String("image")));
    EXPECT_TRUE(
        elements.contains(QLatin1String("path")) || elements.contains(QLatin1String("polyline")));
    EXPECT_TRUE(texts.contains(QLatin1String("Title")));
    EXPECT_TRUE(texts.contains(QLatin1String("YAxisLabel")));
}

TEST(RenderGraphFile, DrawsAOnePagePdfOfShapesAndText)
{
    const QByteArray pdf = Render(graph::GraphFileFormat::Pdf, Scene());
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));

    // 686 x 720 pixels at 96 per inch: 514.5 x 540 points, to the nearest point.
    const qsizetype box = pdf.indexOf("/MediaBox [");
    ASSERT_GE(box, 0);
    std::istringstream corners(pdf.mid(box + 11, 80).toStdString());
    double left = -1, bottom = -1, right = -1, top = -1;
    corners >> left >> bottom >> right >> top;
    EXPECT_EQ(left, 0);
    EXPECT_EQ(bottom, 0);
    EXPECT_NEAR(right, 514.5, 0.5);
    EXPECT_EQ(top, 540);

    // Stroked lines, filled rectangles and text.
    const std::string content = PdfContent(pdf);
    EXPECT_NE(content.find(" l\n"), std::string::npos) << content.substr(0, 2000);
    EXPECT_NE(content.find(" re\n"), std::string::npos);
    EXPECT_NE(content.find("BT\n"), std::string::npos);
}

TEST(GraphAloneView, KeepsTheYLegendInsideThePicture)
{
    const struct {
        const char* name;
        common::Extended yMax;
        int paneWidth;
    } cases[] = {
        { "narrow y labels", 9.6L, 0 },
        // Tick labels left of the plot, wider than the room the pass leaves for them.
        { "wide y labels", 123456.789L, -1 },
    };
    for (const auto& layout : cases) {
        SCOPED_TRACE(layout.name);
        Scene scene;
        scene.points.YMax = layout.yMax;
        const qtgraph::GraphView view = qtgraph::GraphAloneView(
            scene.graph, scene.points, scene.fit, QSize(640, 480), qtgraph::GraphLegends {});
        EXPECT_EQ(view.Area, QRect(0, 0, 640, 480));
        EXPECT_EQ(view.Window.OuterWidth, 640);
        EXPECT_EQ(view.Window.ClientHeight, 480);
        if (layout.paneWidth >= 0)
            EXPECT_EQ(view.Window.DataWindowWidth, layout.paneWidth);
        else
            EXPECT_GT(view.Window.DataWindowWidth, 0);

        QPainter measuring;
        qtgraph::PaintGraph(
            measuring, scene.graph, scene.points, scene.fit, view.Window, view.Legends);
        EXPECT_GE(scene.graph.YLegendLeft, 10);
    }
}

TEST(ExportGraph, WritesTheFormatTheNameAsksFor)
{
    const std::string folder = ::testing::TempDir();
    const std::string svgPath = folder + "graph_file_test_" + std::to_string(getpid()) + ".SVG";
    const std::string textPath = folder + "graph_file_test_" + std::to_string(getpid()) + ".txt";
    Scene scene;
    qtgraph::ExportGraph(svgPath, scene.graph, scene.points, scene.fit, GraphAreaOf(scene));
    EXPECT_TRUE(std::filesystem::file_size(svgPath) > 1000);
    std::remove(svgPath.c_str());

    try {
        qtgraph::ExportGraph(textPath, scene.graph, scene.points, scene.fit, GraphAreaOf(scene));
        ADD_FAILURE() << "no failure";
    } catch (const common::Failure& failure) {
        EXPECT_EQ(std::string(failure.what()),
            "Cannot create file " + textPath + ": a graph file ends in .png, .svg or .pdf");
    }
    EXPECT_FALSE(std::filesystem::exists(textPath));
}
