// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/residual_strip.h: the strip under the plot that shows each point's residual.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/canvas.h"
#include "graph/graph_state.h"
#include "graph/plot_transforms.h"

namespace graph {

// Rows between the plot's bottom edge and the strip's top edge: room for the ticks that cross
// both edges (TickHalfLength each way) and as much again between them.
constexpr int StripGap = 3 * TickHalfLength;

// With ResidualsShown and a valid fit, the plot gives the strip its room: of the plot's height
// less StripGap, the strip takes a sixth, so that it is a fifth of the plot left above it.
// Sets PlotHeight, StripTop and StripHeight; StripHeight 0 (and the plot as it was) otherwise or
// when the plot is too low to give a row.
void ReserveResidualStrip(GraphState& graph, const fit::FitState& fit);

// Draws the strip ReserveResidualStrip reserved, if any, below the plot and as wide: its fill in
// GraphColor; its own y scale over the residuals and 0 (padded by a tenth of their span, as the
// data ranges are), with major ticks on both edges in TickColor and their labels, 0 included,
// left of the strip on BackgroundColor where they fit strictly inside its height; the major and
// minor x ticks of the plot's x axis on its top and bottom edges; its frame and the zero line in
// black; and for each point with a finite residual y - CurveValue(x) a marker of the point's
// shape at a little over half its size. Returns the width of the widest label written (0 when
// none), which the y legend keeps clear of. Never throws.
int DrawResidualStrip(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, Canvas& canvas);

} // namespace graph
