// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/axis_labels.h: tick-label texts, their measured size and where each axis's labels
// stand.
#pragma once

#include "common/color.h"
#include "common/extended.h"
#include "data/point_store.h"
#include "graph/canvas.h"
#include "graph/graph_state.h"

#include <string>

namespace graph {

using common::Extended;

// The numeral whose size stands for a typical tick label. Labels with decimals carry leading
// blanks and run to 5 to 7 characters ("  0.15", "  0.125"), so six digits keep neighbouring x
// labels from covering each other where four let them overlap.
inline constexpr const char* SampleLabelText = "100000";

// Gap in pixels between a y label and the line it stands beside.
constexpr int YLabelGap = 5;

// The text of the tick label for value on an axis of decade n: plain numerals padded on the left
// for -3 <= n <= 4 (at least 3 characters for n = 0, |n| decimals below 0), and the scaled
// numeral followed by "E" and n beyond. Leading blanks are part of the label. Throws
// common::Failure when 10^n lies beyond the Extended range (n above 4932); decades of finite
// tick steps never do.
std::string TickLabelText(Extended value, int decade);

// Sets LabelHeight and LabelWidth from the size of SampleLabelText on canvas.
void MeasureLabels(GraphState& graph, Canvas& canvas);

enum class YLabelPlacement { LeftOfPlot, RightOfPlot, RightOfAxis, LeftOfAxis };
enum class XLabelPlacement { BelowPlot, AbovePlot, AboveAxis, BelowAxis };

// The side of the plot or of the y axis (at column axisColumn) the y labels take. The room test
// estimates the widest label from YMin and YMax with the decade of the previous pass.
YLabelPlacement ChooseYLabelPlacement(
    const GraphState& graph, const data::PointStore& points, Canvas& canvas, int axisColumn);

// The side of the plot or of the x axis (at row axisRow) the x labels take.
XLabelPlacement ChooseXLabelPlacement(
    const GraphState& graph, const data::PointStore& points, int axisRow);

// Left edge of a y label textWidth pixels wide.
int YLabelLeft(YLabelPlacement placement, const GraphState& graph, int axisColumn, int textWidth);

// Top edge of every x label.
int XLabelTop(XLabelPlacement placement, const GraphState& graph, int axisRow);

// The box colour behind the labels: the window background outside the plot, the plot's inside.
common::ColorValue YLabelBackground(YLabelPlacement placement, const GraphState& graph);
common::ColorValue XLabelBackground(XLabelPlacement placement, const GraphState& graph);

} // namespace graph
