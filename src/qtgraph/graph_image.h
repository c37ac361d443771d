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
#include <QString>

namespace qtgraph {

// The captions of the title and the two axis legends, as typed on the titles page.
struct LegendCaptions {
    QString Title = StartCaption(layout::TitleStart);
    QString XLegend = StartCaption(layout::XAxisStart);
    QString YLegend = StartCaption(layout::YAxisStart);
};

// Paints the graph as the window would show it onto the device painter is active on, which is
// window's client size in pixels: the background colour first, then the drawing pass, then the
// legends (sized to their captions, the y legend wrapping its words, on the background colour)
// over it. Uses the window font and the application palette, so a QGuiApplication must exist.
// Updates graph as the pass does.
void PaintGraph(QPainter& painter, graph::GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const graph::WindowGeometry& window, const LegendCaptions& captions);

// PaintGraph into a new image of the window's client size. A client area without pixels gives
// a null image.
QImage RenderGraphImage(graph::GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const graph::WindowGeometry& window, const LegendCaptions& captions);

} // namespace qtgraph
