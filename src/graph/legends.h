// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/legends.h: placing the title and the two axis legends around the plot.
#pragma once

#include "graph/graph_state.h"
#include "graph/label.h"

namespace graph {

// Shows the three labels and places them: the title centred over the plot two label heights
// above it, the x legend centred one label height below it (below the residual strip when there
// is one, PlotBottom), and the y legend left of the plot centred on its height (or, when
// YLabelMoved, back at YLegendLeft with its top untouched). yLabelsWidth is the width of the
// widest y tick label that stands left of the plot (the top one of the plot's, the strip's),
// else 0; the y legend keeps clear of it. Each label is first moved to left edge 1 before its
// place is set (labels that redraw themselves over the surface need only the final place).
// Sets YLegendLeft.
void PlaceLegends(GraphState& graph, const GraphLabels& labels, int yLabelsWidth);

} // namespace graph
