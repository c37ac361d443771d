// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/draw_graph.h: the whole drawing pass of the graph.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/canvas.h"
#include "graph/graph_state.h"
#include "graph/label.h"
#include "graph/window_geometry.h"

namespace graph {

// Paints the client area of window on canvas: background, plot, ticks and labels, frame and
// axes, a marker per point, the legend labels' places and, when fit.FitValid, the fitted curve,
// with the bands the graph shows behind the markers (DrawConfidenceBands) and the residual strip
// under the plot (ReserveResidualStrip, DrawResidualStrip). Nothing at all happens while
// points.DataPresent is false. Rewrites the plot rectangle, the strip, steps, decades, label
// metrics and YLegendLeft. Never throws, and leaves the floating-point fault
// flags as it found them, whatever the values it meets.
void DrawGraph(GraphState& graph, const data::PointStore& points, const fit::FitState& fit,
    const WindowGeometry& window, Canvas& canvas, const GraphLabels& labels);

} // namespace graph
