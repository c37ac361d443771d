// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/fitting_curve.h: the fitted function drawn over the points.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/canvas.h"
#include "graph/graph_state.h"

#include <vector>

namespace graph {

// The last fit sampled at the centre x (PixelToX) of each pixel column of the plot, PlotLeft to
// PlotLeft + PlotWidth inclusive: once for the curve and the bands alike.
struct CurveColumns {
    std::vector<common::Extended> X;
    // CurveValue at X.
    std::vector<common::Extended> Value;
};
CurveColumns SampleCurveColumns(
    const GraphState& graph, const data::PointStore& points, const fit::FitState& fit);

// Draws the last fit (CurveValue: from the wide result where the fit needed one) as one
// polyline in the MarkerColor pen, sampled once per pixel column from PlotLeft to
// PlotLeft + PlotWidth inclusive (PlotWidth + 1 samples; only the move-to when PlotWidth <= 0).
// Samples beyond the y range, overflowing or not a number land on an edge. A canvas that keeps
// shapes gets the curve as one Path instead (FittedCurvePath), cut at the plot's top and bottom.
// With FitCurveStale the pen is LightDash for the curve, then solid again.
void DrawFittingCurve(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, Canvas& canvas);
// The same from the samples of SampleCurveColumns.
void DrawFittingCurve(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const CurveColumns& curve, Canvas& canvas);

} // namespace graph
