// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/plot_transforms.h: the plot rectangle and the mapping between data values and pixels.
#pragma once

#include "common/extended.h"
#include "data/point_store.h"
#include "graph/graph_state.h"
#include "graph/window_geometry.h"

namespace graph {

using common::Extended;

// Tick half-length in pixels; the rectangle leaves room for three of them left of the plot.
constexpr int TickHalfLength = 5;

// *nearest* for pixel arithmetic: halves to even, saturated at the 32-bit bounds, NaN gives 0.
// Never raises a failure.
int NearestPixel(Extended value);

// *trunc*(v) when v >= 0, *trunc*(v) - 1 when v < 0 (so -2.0 gives -3), saturated at the 32-bit
// bounds; NaN gives 0. Never raises a failure.
int FloorInt(Extended value);

// Fixes PlotLeft, PlotTop, PlotWidth and PlotHeight from the window and the y legend's width.
// The size may come out zero or negative for a small window.
void SetPlotRectangle(GraphState& graph, const WindowGeometry& window, int yLegendWidth);

// The row of the lowest edge the plot draws: that of the residual strip when the pass drew one,
// else the plot's bottom edge. What stands below the plot stands below it.
int PlotBottom(const GraphState& graph);

// Value to pixel column or row through the ranges of points and the last plot rectangle, clamped
// to the rectangle. Values beyond the range, infinities and overflowing offsets land on the
// nearest edge, NaN on the left (x) or bottom (y) edge. On an axis whose range has no width or
// is not finite every value maps to the middle of the rectangle.
int XToPixel(const GraphState& graph, const data::PointStore& points, Extended x);
int YToPixel(const GraphState& graph, const data::PointStore& points, Extended y);

// Pixel column or row to value, not clamped. With no plot width (height) every column (row)
// reads as XMin (YMax).
Extended PixelToX(const GraphState& graph, const data::PointStore& points, int column);
Extended PixelToY(const GraphState& graph, const data::PointStore& points, int row);

} // namespace graph
