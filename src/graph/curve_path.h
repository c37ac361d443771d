// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/curve_path.h: the fitted curve as a path between pixels, for drawings that keep
// shapes.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"
#include "graph/canvas.h"
#include "graph/graph_state.h"

#include <vector>

namespace graph {

// Samples of the curve per pixel column: a path through them stays within a twentieth of a
// pixel of the curve's bends, smooth at 8 times the drawing's size.
constexpr int CurveSamplesPerPixel = 8;

// The last fit (CurveValue) over the plotted x range as polylines through the pixel centres
// the window's curve runs through, without rounding: columns PlotLeft..PlotLeft + PlotWidth
// sampled CurveSamplesPerPixel times a pixel, rows between the centres of PlotTop and
// PlotTop + PlotHeight. Cut where the curve leaves that band (no run along the edge) or is not
// a number; each polyline keeps only the points needed to stay within PathTolerance pixels of
// its samples. Empty with no plot width or height. Never throws.
std::vector<std::vector<PathPoint>> FittedCurvePath(
    const GraphState& graph, const data::PointStore& points, const fit::FitState& fit);

// Largest distance, in pixels, between a kept polyline and the samples it stands for.
constexpr double PathTolerance = 0.05;

} // namespace graph
