// SPDX-License-Identifier: GPL-3.0-or-later
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

// A major tick step and its decade; step 0 for an axis that gets no ticks.
struct AxisScale {
    Extended Step = 0;
    int Decade = 0;
    int StepCount = 0;
};

// The scale of a y axis from low to high drawn extent pixels high whose labels take
// labelSpacing pixels each (ScaleTicks gives the plot's three label heights).
AxisScale ScaleYRange(Extended low, Extended high, int labelSpacing, int extent);

} // namespace graph
