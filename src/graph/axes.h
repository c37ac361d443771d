// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/axes.h: major ticks with their labels, and the frame, axes and minor ticks.
#pragma once

#include "data/point_store.h"
#include "graph/axis_labels.h"
#include "graph/canvas.h"
#include "graph/graph_state.h"

#include <optional>
#include <string>

namespace graph {

// What one drawing pass fixes about the axes before it draws them.
struct AxisLayout {
    // Column of the y axis, XToPixel(0), and row of the x axis, YToPixel(0).
    int AxisColumn = 0;
    int AxisRow = 0;
    YLabelPlacement YPlacement = YLabelPlacement::LeftOfAxis;
    XLabelPlacement XPlacement = XLabelPlacement::BelowAxis;
};

// Tick indexes trunc(low / step)..trunc(high / step) as whole Extended numbers (exact far beyond
// 32 bits): the first and how many. Nothing when the step is not a positive finite number or
// the count runs away (a step too fine for the magnitude of its range).
struct TickIndexes {
    Extended First = 0;
    long long Count = 0;
};
std::optional<TickIndexes> TickIndexesOf(Extended low, Extended high, Extended step);

// Minor ticks run from one pixel before to two pixels after the line they cross.
constexpr int MinorTickBefore = 1;
constexpr int MinorTickAfter = 2;

// Draws the major y ticks from the lowest to the highest multiple of YTickStep in the range, with
// the labels that fit strictly inside the plot's height (never at 0), each tick on the y axis and
// both frame edges. Sets the brush to the labels' background and leaves the pen as it finds it.
// Returns the text of the highest tick's label ("" when there is no tick).
std::string DrawMajorYTicks(const GraphState& graph, const data::PointStore& points, Canvas& canvas,
    const AxisLayout& axes);

// The same for the x axis, labels fitting strictly inside the plot's width.
void DrawMajorXTicks(const GraphState& graph, const data::PointStore& points, Canvas& canvas,
    const AxisLayout& axes);

// Draws the y axis and the left and right frame edges in black, the minor y ticks in TickColor,
// the x axis and the top and bottom edges in black, then the minor x ticks in TickColor. The
// minor step is a fifth of the major one: both steps are scaled by 0.2 for this and back by 5.
void DrawFrameAndMinorTicks(
    GraphState& graph, const data::PointStore& points, Canvas& canvas, const AxisLayout& axes);

} // namespace graph
