// src/app/graph_image.h: the whole graph, legends included, rendered into an image without a
// window.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/graph_state.h"
#include "graph/window_geometry.h"

#include <QImage>
#include <QString>

namespace app {

// The captions of the title and the two axis legends, as typed on the titles page.
struct LegendCaptions {
    QString Title = QStringLiteral("Title");
    QString XLegend = QStringLiteral("XAxisLabel");
    QString YLegend = QStringLiteral("YAxisLabel");
};

// Runs the drawing pass into a new image of the window's client size, as the window would show
// it: the background colour first, then the pass, then the legends (sized to their captions,
// the y legend wrapping its words, on the background colour) over it. Uses the window font and
// the application palette, so a QGuiApplication must exist. Updates graph as the pass does.
// A client area without pixels gives a null image.
QImage RenderGraphImage(graph::GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const graph::WindowGeometry& window, const LegendCaptions& captions);

} // namespace app
