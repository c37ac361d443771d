// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/graph_file.h: the graph area drawn into a PNG, SVG or PDF file, and the layout of
// a graph drawn alone.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/graph_file_format.h"
#include "graph/graph_state.h"
#include "graph/window_geometry.h"
#include "qtgraph/graph_image.h"

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <string>

namespace qtgraph {

// What a graph file shows: the drawing pass laid out in Window, the part Area of its client
// area (client pixels), and the legends as they stand before the pass. The window's graph area
// as the user sees it is its own geometry, the client area right of the panes, and its labels'
// captions and places (with the graph's YLabelMoved, a dragged y legend stays where it is).
// A graph alone is GraphAloneView. EmptyNotice is set when the window shows no graph: the file
// then shows what PaintEmptyGraphArea paints with that notice, as the window does.
struct GraphView {
    graph::WindowGeometry Window;
    QRect Area;
    GraphLegends Legends;
    std::optional<QString> EmptyNotice = std::nullopt;
};

// The graph alone at size: the pass as in a window of that size (client and outer alike) whose
// panes have no width, showing the whole client area. When the y legend would start less than
// 10 pixels (two tick half-lengths, its gap from the tick labels) from the left edge, as wide y
// tick labels left of the plot push it, the plot moves right just enough to keep it clear. Runs the
// pass once without painting to see that, so a QGuiApplication must exist.
GraphView GraphAloneView(const graph::GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, QSize size, const GraphLegends& legends);

// The bytes of a file of format showing view.Area as PaintGraph paints the client area of
// view.Window (PaintEmptyGraphArea, with view.EmptyNotice set): a PNG image of the area's size (96
// pixels per inch); an SVG drawing or a one-page PDF of that size in pixels at 96 per inch (the
// page to the nearest point), whose lines, fills and text are shapes, not pixels. The title's
// caption is the document's title. An SVG drawing is always well-formed XML: its captions lose
// the characters XML cannot carry (common::XmlCharacters) and its title is escaped. Empty when
// the area has no pixels or the drawing fails. graph is not changed (the pass runs on a copy).
// Needs a QGuiApplication.
QByteArray RenderGraphFile(graph::GraphFileFormat format, const graph::GraphState& graph,
    const data::PointStore& points, const fit::FitState& fit, const GraphView& view);

// RenderGraphFile in the format fileName's extension names (.png, .svg, .pdf), written with
// common::WriteFileSafely, whose note about the written file it returns. Throws common::Failure
// "Cannot create file <full path>" when the extension is none of these (with the reason after a
// colon), the drawing fails or the file cannot be written whole; a file of that name is then
// left as it was.
[[nodiscard]] std::string ExportGraph(const std::string& fileName, const graph::GraphState& graph,
    const data::PointStore& points, const fit::FitState& fit, const GraphView& view);

} // namespace qtgraph
