// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/axis_labels.cpp: tick-label texts, label metrics and the choice of label sides.
#include "graph/axis_labels.h"

#include "common/fixed_text.h"
#include "common/number_reader.h"
#include "graph/plot_transforms.h"

#include <algorithm>
#include <cstdlib>

namespace graph {

namespace {

    // The plain form of the room estimate: never the exponent form.
    std::string EstimateText(Extended value, int decade)
    {
        if (decade > 0)
            return common::FixedText(value, decade, 0);
        if (decade < 0)
            return common::FixedText(value, std::abs(decade) + 4, std::abs(decade));
        return common::FixedText(value, 3, 0);
    }

} // namespace

std::string TickLabelText(Extended value, int decade)
{
    if (decade >= 5 || decade <= -4) {
        // The power of ten is read from "1.00E<n>" like every other number text. Decades come
        // from finite steps, so the text always reads.
        std::string text = common::FixedText(value / common::PowerOfTen(decade), 2, 0);
        text += 'E';
        text += std::to_string(decade);
        return text;
    }
    if (decade >= 1)
        return common::FixedText(value, decade, 0);
    if (decade == 0)
        return common::FixedText(value, 3, 0);
    return common::FixedText(value, -decade + 4, -decade);
}

void MeasureLabels(GraphState& graph, Canvas& canvas)
{
    graph.LabelHeight = canvas.TextHeight(SampleLabelText);
    graph.LabelWidth = canvas.TextWidth(SampleLabelText);
}

YLabelPlacement ChooseYLabelPlacement(
    const GraphState& graph, const data::PointStore& points, Canvas& canvas, int axisColumn)
{
    if (points.XMin == 0)
        return YLabelPlacement::LeftOfPlot;
    if (points.XMax == 0)
        return YLabelPlacement::RightOfPlot;
    const int widest = std::max(canvas.TextWidth(EstimateText(points.YMin, graph.YDecade)),
        canvas.TextWidth(EstimateText(points.YMax, graph.YDecade)));
    if (axisColumn - widest - YLabelGap < graph.PlotLeft + graph.GraphMargin)
        return YLabelPlacement::RightOfAxis;
    return YLabelPlacement::LeftOfAxis;
}

XLabelPlacement ChooseXLabelPlacement(
    const GraphState& graph, const data::PointStore& points, int axisRow)
{
    if (points.YMin == 0)
        return XLabelPlacement::BelowPlot;
    if (points.YMax == 0)
        return XLabelPlacement::AbovePlot;
    if (axisRow + graph.LabelHeight > graph.PlotTop + graph.PlotHeight)
        return XLabelPlacement::AboveAxis;
    return XLabelPlacement::BelowAxis;
}

int YLabelLeft(YLabelPlacement placement, const GraphState& graph, int axisColumn, int textWidth)
{
    switch (placement) {
    case YLabelPlacement::RightOfPlot:
        return graph.PlotLeft + graph.PlotWidth + YLabelGap;
    case YLabelPlacement::RightOfAxis:
        return axisColumn + YLabelGap;
    case YLabelPlacement::LeftOfPlot:
    case YLabelPlacement::LeftOfAxis:
        break;
    }
    return axisColumn - textWidth - YLabelGap;
}

int XLabelTop(XLabelPlacement placement, const GraphState& graph, int axisRow)
{
    const int below = NearestPixel(0.2L * graph.LabelHeight);
    const int above = NearestPixel(1.2L * graph.LabelHeight);
    switch (placement) {
    case XLabelPlacement::BelowPlot:
        return PlotBottom(graph) + below;
    case XLabelPlacement::AbovePlot:
        return graph.PlotTop - above;
    case XLabelPlacement::AboveAxis:
        return axisRow - above;
    case XLabelPlacement::BelowAxis:
        break;
    }
    return axisRow + below;
}

common::ColorValue YLabelBackground(YLabelPlacement placement, const GraphState& graph)
{
    const bool outside
        = placement == YLabelPlacement::LeftOfPlot || placement == YLabelPlacement::RightOfPlot;
    return outside ? graph.BackgroundColor : graph.GraphColor;
}

common::ColorValue XLabelBackground(XLabelPlacement placement, const GraphState& graph)
{
    const bool outside
        = placement == XLabelPlacement::BelowPlot || placement == XLabelPlacement::AbovePlot;
    return outside ? graph.BackgroundColor : graph.GraphColor;
}

} // namespace graph
