// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/band_outline.h: the outline of a band, with the vertices a fill does not need left
// out.
#pragma once

#include "graph/canvas.h"

#include <vector>

namespace graph {

// The closed outline of the band through spans (two or more, X increasing): its upper edge from
// left to right, then its lower edge back. Each edge keeps its first and last vertex and leaves
// out those that lie within tolerance (rows) of the straight line between the vertices kept
// around them, so that a smooth band becomes a few dozen vertices rather than one per column
// while no sample lies further than tolerance from the outline. Tolerance 0 leaves out only
// the vertices that lie exactly on such a line.
std::vector<PathPoint> BandOutline(const std::vector<BandSpan>& spans, double tolerance);

} // namespace graph
