// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/markers.h: the marker shapes drawn at each point.
#pragma once

#include "data/point_store.h"
#include "graph/canvas.h"
#include "graph/graph_state.h"

#include <cstdint>

namespace graph {

// Half-size r of a marker of markerType and size s.
int MarkerHalfSize(MarkerShape markerType, std::uint16_t markerSize);

// Draws one marker of half-size r centred on (x, y): black outline (a black rim for the square)
// around a fill in the brush colour, which must be the marker colour on entry and is again on
// return.
void DrawMarker(Canvas& canvas, MarkerShape markerType, int halfSize, int x, int y,
    common::ColorValue markerColor);

// Draws the markers of points 1..PointCount in slot order, centred on their clamped pixels.
// Points whose x or y is not finite are skipped. Sets a solid black pen and the MarkerColor brush.
void DrawMarkers(const GraphState& graph, const data::PointStore& points, Canvas& canvas);

} // namespace graph
