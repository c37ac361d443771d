// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fuzz/svg_graph_fuzz.cpp: the graph alone written as SVG with any captions and size:
// every drawing parses as XML, and its title is the title's caption less what XML cannot carry.
// Input: two bytes for the width and the height (16 to 526 pixels in steps of 2), then the
// captions of the title, the x legend and the y legend, separated by bytes of code 0.
#include "common/xml_text.h"
#include "fuzz_input.h"
#include "graph/graph_file_format.h"
#include "qtgraph/graph_file.h"

#include <QGuiApplication>
#include <QXmlStreamReader>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Four points of y = 2x + 1 and their fitted line.
struct Scene {
    graph::GraphState graph;
    data::PointStore points;
    fit::FitState fit;

    Scene()
    {
        for (int i = 1; i <= 4; ++i) {
            points.XData[i] = i;
            points.YData[i] = 2 * i + 1;
        }
        points.PointCount = 4;
        points.DataPresent = true;
        points.XMax = 4.3L;
        points.YMax = 9.6L;
        fit.FitValid = true;
        fit.ConstantCount = 2;
        fit.FitConstants[0] = 1;
        fit.FitConstants[1] = 2;
    }
};

std::string_view TakeCaption(std::string_view& rest)
{
    const std::size_t end = std::min(rest.find('\0'), rest.size());
    const std::string_view caption = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return caption;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

// The font configuration library keeps its caches until the process ends.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static std::unique_ptr<QGuiApplication> application
        = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    fuzz::FuzzInput input(bytes, size);
    const QSize pictureSize(16 + 2 * input.TakeByte(), 16 + 2 * input.TakeByte());
    std::string_view rest = input.Rest();
    qtgraph::GraphLegends legends;
    legends.Title.Caption = FromUtf8(TakeCaption(rest));
    legends.XLegend.Caption = FromUtf8(TakeCaption(rest));
    legends.YLegend.Caption = FromUtf8(TakeCaption(rest));

    const Scene scene;
    const qtgraph::GraphView view
        = qtgraph::GraphAloneView(scene.graph, scene.points, scene.fit, pictureSize, legends);
    const QByteArray svg = qtgraph::RenderGraphFile(
        graph::GraphFileFormat::Svg, scene.graph, scene.points, scene.fit, view);
    fuzz::Require(!svg.isEmpty(), "a graph of some pixels is drawn");

    QXmlStreamReader reader(svg);
    QString title;
    bool hasTitle = false;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement
            && reader.name() == QLatin1String("title")) {
            hasTitle = true;
            title = reader.readElementText();
        }
    }
    fuzz::Require(!reader.hasError(), "the drawing parses as XML");
    const QByteArray caption = legends.Title.Caption.toUtf8();
    const std::string expected
        = common::XmlCharacters(std::string_view(caption.constData(), std::size_t(caption.size())));
    fuzz::Require(hasTitle == !caption.isEmpty(), "a drawing has a title when its caption has one");
    fuzz::Require(title.toStdString() == expected, "the title is the caption XML can carry");
    return 0;
}
