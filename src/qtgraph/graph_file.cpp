// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/graph_file.cpp: the drawing pass onto an image, an SVG generator or a PDF writer in
// memory, then into the file at once.
#include "qtgraph/graph_file.h"

#include "common/failure.h"
#include "common/safe_file_write.h"
#include "common/xml_text.h"
#include "graph/plot_transforms.h"
#include "layout/window_design.h"
#include "qtgraph/palette_image.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSizeF>
#include <QSvgGenerator>

#include <string>
#include <string_view>

namespace qtgraph {

namespace {

    // The y legend of a graph alone keeps the gap the pass leaves between it and the tick labels
    // from the picture's left edge.
    constexpr int LegendClearance = 2 * graph::TickHalfLength;

    // Qt's PNG quality 80 is zlib's fastest compression: a graph's long runs of one colour still
    // pack well, in a fraction of the time the default takes.
    constexpr int FastPngQuality = 80;

    // Paints view's area onto the device painter has begun on, the area's top-left corner at the
    // device's origin; false when the painter could not begin or end.
    bool PaintArea(QPainter& painter, const graph::GraphState& graph,
        const data::PointStore& points, const fit::FitState& fit, const GraphView& view)
    {
        if (!painter.isActive())
            return false;
        painter.translate(-view.Area.topLeft());
        if (view.EmptyNotice) {
            const QSize client(view.Window.ClientWidth, view.Window.ClientHeight);
            PaintEmptyGraphArea(
                painter, client, view.Area, *view.EmptyNotice, QGuiApplication::palette());
        } else {
            graph::GraphState pass = graph;
            PaintGraph(painter, pass, points, fit, view.Window, view.Legends);
        }
        return painter.end();
    }

    QByteArray RenderPng(const graph::GraphState& graph, const data::PointStore& points,
        const fit::FitState& fit, const GraphView& view)
    {
        QImage image(view.Area.size(), QImage::Format_RGB32);
        // The design resolution, so that programs that place the image size it as on screen.
        const int dotsPerMetre = qRound(layout::PixelsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        QPainter painter(&image);
        if (!PaintArea(painter, graph, points, fit, view))
            return QByteArray();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // A graph has few colours: as a palette image it is the same picture in a quarter of the
        // bytes, which libpng also writes unfiltered.
        const std::optional<QImage> palettised = PaletteImage(image);
        const QImage& written = palettised ? *palettised : image;
        return written.save(&buffer, "PNG", FastPngQuality) ? bytes : QByteArray();
    }

    // text as an XML document can carry it: the SVG generator escapes the markup characters
    // of the text it draws, but passes every other character through.
    QString XmlCaption(const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        return QString::fromStdString(
            common::XmlCharacters(std::string_view(utf8.constData(), std::size_t(utf8.size()))));
    }

    // view with captions that an SVG drawing can carry.
    GraphView SvgView(const GraphView& view)
    {
        GraphView drawn = view;
        for (LegendLabel* legend :
            { &drawn.Legends.Title, &drawn.Legends.XLegend, &drawn.Legends.YLegend })
            legend->Caption = XmlCaption(legend->Caption);
        if (drawn.EmptyNotice)
            drawn.EmptyNotice = XmlCaption(*drawn.EmptyNotice);
        return drawn;
    }

    // svg with title, escaped, as the first element of the drawing: the generator would write
    // it unescaped, so it gets none. Empty when svg is no drawing.
    QByteArray WithTitle(QByteArray svg, const QString& title)
    {
        const qsizetype drawing = svg.indexOf("<svg");
        const qsizetype content = drawing < 0 ? -1 : svg.indexOf('>', drawing) + 1;
        if (content <= 0)
            return QByteArray();
        const QByteArray caption = title.toUtf8();
        if (!caption.isEmpty()) {
            const std::string element = "\n<title>"
                + common::EscapedXmlText(
                    std::string_view(caption.constData(), std::size_t(caption.size())))
                + "</title>";
            svg.insert(content, QByteArrayView(element.data(), qsizetype(element.size())));
        }
        return svg;
    }

    QByteArray RenderSvg(const graph::GraphState& graph, const data::PointStore& points,
        const fit::FitState& fit, const GraphView& view)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(view.Area.size());
        generator.setViewBox(QRect(QPoint(0, 0), view.Area.size()));
        generator.setResolution(layout::PixelsPerInch);
        // No title of the generator's own: WithTitle writes it.
        generator.setTitle(QString());
        QPainter painter(&generator);
        return PaintArea(painter, graph, points, fit, SvgView(view))
            ? WithTitle(bytes, view.Legends.Title.Caption)
            : QByteArray();
    }

    QByteArray RenderPdf(const graph::GraphState& graph, const data::PointStore& points,
        const fit::FitState& fit, const GraphView& view)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        // One unit of the painter is one window pixel at the design resolution.
        writer.setResolution(layout::PixelsPerInch);
        const QSizeF inches = QSizeF(view.Area.size()) / layout::PixelsPerInch;
        writer.setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(view.Legends.Title.Caption);
        QPainter painter(&writer);
        return PaintArea(painter, graph, points, fit, view) ? bytes : QByteArray();
    }

} // namespace

GraphView GraphAloneView(const graph::GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, QSize size, const GraphLegends& legends)
{
    GraphView view;
    view.Window.OuterWidth = view.Window.ClientWidth = size.width();
    view.Window.OuterHeight = view.Window.ClientHeight = size.height();
    view.Area = QRect(QPoint(0, 0), size);
    view.Legends = legends;

    graph::GraphState pass = graph;
    QPainter measuring;
    PaintGraph(measuring, pass, points, fit, view.Window, legends);
    // The pass leaves every other place alone when the plot moves right: the y tick labels and
    // the legend move with it.
    if (points.DataPresent && pass.YLegendLeft < LegendClearance)
        view.Window.DataWindowWidth = LegendClearance - pass.YLegendLeft;
    return view;
}

QByteArray RenderGraphFile(graph::GraphFileFormat format, const graph::GraphState& graph,
    const data::PointStore& points, const fit::FitState& fit, const GraphView& view)
{
    if (view.Area.isEmpty())
        return QByteArray();
    switch (format) {
    case graph::GraphFileFormat::Png:
        return RenderPng(graph, points, fit, view);
    case graph::GraphFileFormat::Svg:
        return RenderSvg(graph, points, fit, view);
    case graph::GraphFileFormat::Pdf:
        return RenderPdf(graph, points, fit, view);
    }
    return QByteArray();
}

std::string ExportGraph(const std::string& fileName, const graph::GraphState& graph,
    const data::PointStore& points, const fit::FitState& fit, const GraphView& view)
{
    const std::string failure = "Cannot create file " + common::FullPath(fileName);
    const std::optional<graph::GraphFileFormat> format = graph::GraphFileFormatOf(fileName);
    if (!format)
        throw common::Failure(failure + ": a graph file ends in .png, .svg or .pdf");
    const QByteArray bytes = RenderGraphFile(*format, graph, points, fit, view);
    if (bytes.isEmpty())
        throw common::Failure(failure);
    return common::WriteFileSafely(
        fileName, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace qtgraph
