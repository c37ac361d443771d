// src/graph/scale_ticks.h: choosing the major tick spacing and label decade of each axis.
#pragma once

#include "data/point_store.h"
#include "graph/graph_state.h"

namespace graph {

// Sets YTickStep, YDecade, XTickStep, XDecade and TickStepCount from the ranges of points, the
// plot rectangle and LabelHeight / LabelWidth: a trial step of a tenth of the range's decade,
// widened or narrowed by how crowded its labels would stand. An axis whose range has no width or
// is not finite, or whose step does not come out a positive finite number, gets step 0 and
// decade 0, and no ticks are drawn on it.
void ScaleTicks(GraphState& graph, const data::PointStore& points);

} // namespace graph
