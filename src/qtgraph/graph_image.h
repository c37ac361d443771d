// SPDX-License-Identifier: GPL-3.0-or-later
// src/qtgraph/graph_image.h: the whole graph, legends included, painted without a window: onto
// any paint device, or into a new image.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/graph_state.h"
#include "graph/window_geometry.h"
#include "qtgraph/caption_size.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace qtgraph {

// A legend label as the window has it: its caption, as typed on the titles page, and the
// top-left corner of its box in client pixels before the drawing pass places it (a y legend the
// user dragged stays there).
struct LegendLabel {
    QString Caption;
    QPoint Place;
};

// The label a legend starts with.
inline LegendLabel StartLabel(const layout::LegendStart& legend)
{
    return LegendLabel { StartCaption(legend), QPoint(legend.Left, legend.Top) };
}

// The title and the two axis legends.
struct GraphLegends {
    LegendLabel Title = StartLabel(layout::TitleStart);
    LegendLabel XLegend = StartLabel(layout::XAxisStart);
    LegendLabel YLegend = StartLabel(layout::YAxisStart);
};

// Paints the graph as the window would show it onto the device painter is active on, which is
// window's client size in pixels: the background colour first, then the drawing pass, then the
// legends (sized to their captions, the y legend wrapping its words, on the background colour)
// over it. Uses the window font and the application palette, so a QGuiApplication must exist.
// Updates graph as the pass does. A painter that is not active paints nothing, while the pass
// still lays the graph out.
void PaintGraph(QPainter& painter, graph::GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const graph::WindowGeometry& window, const GraphLegends& legends);

// Paints the graph area of a window that has no graph to show: the window's own colour over
// client (its client size in pixels), and notice, unless it is empty, centred on area in the
// window font and palette's text colour.
void PaintEmptyGraphArea(QPainter& painter, QSize client, const QRect& area, const QString& notice,
    const QPalette& palette);

// PaintGraph into a new image of the window's client size. A client area without pixels gives
// a null image.
QImage RenderGraphImage(graph::GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const graph::WindowGeometry& window, const GraphLegends& legends);

} // namespace qtgraph
