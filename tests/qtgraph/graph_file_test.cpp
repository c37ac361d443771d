// SPDX-License-Identifier: GPL-3.0-or-later
// tests/qtgraph/graph_file_test.cpp: graph files: the area of the window's pass, vector drawings
// that hold no pixels, and the layout of a graph alone.
#include "qtgraph/graph_file.h"

#include "common/failure.h"
#include "common/xml_text.h"
#include "qtgraph/fitted_line_scene.h"

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

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

} // namespace

TEST(RenderGraphFile, DrawsTheWindowsGraphAreaIntoAPng)
{
    Scene scene;
    const QImage png = QImage::fromData(Render(graph::GraphFileFormat::Png, scene), "PNG");
    Scene window;
    const QImage client = qtgraph::RenderGraphImage(
        window.graph, window.points, window.fit, window.window, qtgraph::GraphLegends {});
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), client.copy(GraphAreaOf(scene).Area));
    // The pass ran on a copy: the window's state stays the window's.
    EXPECT_EQ(scene.graph.PlotWidth, 0);
}

TEST(RenderGraphFile, DrawsSvgAndPdfAsShapesAndText)
{
    const Scene scene;
    QXmlStreamReader svg(Render(graph::GraphFileFormat::Svg, scene));
    QStringList elements;
    QString texts;
    QString viewBox;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        elements << svg.name().toString();
        if (svg.name() == QLatin1String("svg"))
            viewBox = svg.attributes().value(QLatin1String("viewBox")).toString();
        if (svg.name() == QLatin1String("text"))
            texts += svg.readElementText();
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_EQ(viewBox, QLatin1String("0 0 686 720"));
    EXPECT_FALSE(elements.contains(QLatin1String("image")));
    EXPECT_TRUE(elements.contains(QLatin1String("polyline")));
    EXPECT_TRUE(texts.contains(QLatin1String("Title")));

    // The page's one content stream, inflated (qUncompress takes the size to expect first).
    const QByteArray pdf = Render(graph::GraphFileFormat::Pdf, scene);
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    const qsizetype start = pdf.indexOf("stream\n") + 7;
    QByteArray packed(4, '\0');
    qToBigEndian<quint32>(1 << 22, packed.data());
    const std::string content
        = qUncompress(packed + pdf.mid(start, pdf.indexOf("endstream", start) - start))
              .toStdString();
    // Stroked lines, filled rectangles and text.
    EXPECT_NE(content.find(" l\n"), std::string::npos);
    EXPECT_NE(content.find(" re\n"), std::string::npos);
    EXPECT_NE(content.find("BT\n"), std::string::npos);
}

TEST(RenderGraphFile, WritesHostileCaptionsIntoSvgThatParses)
{
    const std::vector<std::string> captions { "</title><script>alert(1)</script><title>",
        "a & b < c > d \" ' e", "]]>", "&#0;", "<!-- x", "\x01\x08\x0b\x0c\x1b[2J\x7f",
        "\xef\xbf\xbe and \xef\xbf\xbf", "\xed\xa0\x80 lone surrogate", "\xff\xfe bytes",
        "tab\tline\nreturn\r", "\xf0\x9f\x93\x88 chart" };
    for (const std::string& caption : captions) {
        SCOPED_TRACE(caption);
        const Scene scene;
        qtgraph::GraphView view = GraphAreaOf(scene);
        for (qtgraph::LegendLabel* legend :
            { &view.Legends.Title, &view.Legends.XLegend, &view.Legends.YLegend })
            legend->Caption = QString::fromUtf8(caption);
        QXmlStreamReader svg(qtgraph::RenderGraphFile(
            graph::GraphFileFormat::Svg, scene.graph, scene.points, scene.fit, view));
        QStringList elements;
        QString title;
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement)
                continue;
            elements << svg.name().toString();
            if (svg.name() == QLatin1String("title"))
                title = svg.readElementText();
        }
        EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
        EXPECT_FALSE(elements.contains(QLatin1String("script")));
        // The caption as the window's label holds it, less what XML cannot carry.
        const QByteArray held = view.Legends.Title.Caption.toUtf8();
        EXPECT_EQ(title.toStdString(),
            common::XmlCharacters(std::string_view(held.constData(), std::size_t(held.size()))));
    }
}

TEST(RenderGraphFile, DrawsTheCurveOfAnSvgAsOnePathBetweenPixels)
{
    // The fitted line, from the left edge to the top right corner of the plot: two points.
    const Scene scene;
    QXmlStreamReader svg(Render(graph::GraphFileFormat::Svg, scene));
    QStringList paths;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QLatin1String("path"))
            paths << svg.attributes().value(QLatin1String("d")).toString();
    }
    ASSERT_EQ(paths.size(), 1);
    static const QRegularExpression segment(
        QStringLiteral("^M(\\d+\\.\\d+),(\\d+\\.\\d+) L(\\d+\\.\\d+),(\\d+\\.\\d+) ?$"));
    EXPECT_TRUE(segment.match(paths.front()).hasMatch()) << paths.front().toStdString();
}

TEST(GraphAloneView, KeepsTheYLegendInsideThePicture)
{
    // Narrow y tick labels leave room; wide ones left of the plot would push the legend out.
    for (const common::Extended yMax : { 9.6L, 123456.789L }) {
        SCOPED_TRACE(static_cast<double>(yMax));
        Scene scene;
        scene.points.YMax = yMax;
        const qtgraph::GraphView view = qtgraph::GraphAloneView(
            scene.graph, scene.points, scene.fit, QSize(640, 480), qtgraph::GraphLegends {});
        EXPECT_EQ(view.Area, QRect(0, 0, 640, 480));
        EXPECT_EQ(view.Window.OuterWidth, 640);
        EXPECT_EQ(view.Window.DataWindowWidth == 0, yMax < 10);
        QPainter measuring;
        qtgraph::PaintGraph(
            measuring, scene.graph, scene.points, scene.fit, view.Window, view.Legends);
        EXPECT_GE(scene.graph.YLegendLeft, 10);
    }
}

TEST(ExportGraph, RefusesANameOfNoGraphFormat)
{
    const Scene scene;
    try {
        (void)qtgraph::ExportGraph(
            "/graph.txt", scene.graph, scene.points, scene.fit, GraphAreaOf(scene));
        ADD_FAILURE() << "no failure";
    } catch (const common::Failure& failure) {
        EXPECT_EQ(std::string(failure.what()),
            "Cannot create file /graph.txt: a graph file ends in .png, .svg or .pdf");
    }
}
