// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/plot_transforms.cpp: plot rectangle, value-pixel transforms and their saturating
// roundings.
#include "graph/plot_transforms.h"

#include "common/integer_conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace graph {

namespace {

    constexpr Extended Int32Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr Extended Int32Highest = std::numeric_limits<std::int32_t>::max();

    // A whole Extended value as an int, saturated; NaN gives 0.
    int SaturatedInt(Extended wholeValue)
    {
        if (std::isnan(wholeValue))
            return 0;
        return static_cast<int>(std::clamp(wholeValue, Int32Lowest, Int32Highest));
    }

    // Offsets are bounded far beyond any window but well inside 64 bits, so that adding the
    // rectangle's corner before clamping cannot overflow.
    constexpr Extended OffsetLimit = Extended(1LL << 40);

    // nearest(extent × (value - low) / (high - low)): the product first, then the quotient.
    long long AxisOffset(int extent, Extended value, Extended low, Extended high)
    {
        const Extended span = high - low;
        if (span == 0 || !std::isfinite(span))
            return extent / 2;
        const Extended offset = extent * (value - low) / span;
        if (std::isnan(offset))
            return 0;
        // Rounds half to even in the default rounding mode; bounded first, so it cannot fail.
        return std::llrint(std::clamp(offset, -OffsetLimit, OffsetLimit));
    }

} // namespace

int NearestPixel(Extended value)
{
    // Well within int's range, llrint in the rounding mode the workbench never changes from
    // (halves to even): one store of the x87 unit, where nearbyint saves and restores the
    // floating-point environment and a conversion changes the control word twice, each
    // costing more than the rest of a marker's place. It may raise inexact, which no failure
    // counts. Beyond that range, and for infinities and NaN, the saturated rounding.
    constexpr Extended IntRange = Extended(1LL << 30);
    if (!std::isless(std::abs(value), IntRange))
        return SaturatedInt(common::RoundHalfEven(value));
    return static_cast<int>(std::llrint(value));
}

int FloorInt(Extended value)
{
    const Extended whole = std::trunc(value);
    return SaturatedInt(value < 0 ? whole - 1 : whole);
}

void SetPlotRectangle(GraphState& graph, const WindowGeometry& window, int yLegendWidth)
{
    graph.PlotLeft = window.DataWindowLeft + window.DataWindowWidth + yLegendWidth
        + 3 * TickHalfLength + graph.GraphMargin;
    graph.PlotTop = graph.GraphMargin;
    graph.PlotWidth = window.OuterWidth - graph.PlotLeft - graph.GraphMargin - 20;
    graph.PlotHeight = window.OuterHeight - 2 * graph.GraphMargin - 50;
}

int PlotBottom(const GraphState& graph)
{
    return graph.StripHeight > 0 ? graph.StripTop + graph.StripHeight
                                 : graph.PlotTop + graph.PlotHeight;
}

int XToPixel(const GraphState& graph, const data::PointStore& points, Extended x)
{
    long long pixel = graph.PlotLeft + AxisOffset(graph.PlotWidth, x, points.XMin, points.XMax);
    // Right edge first, then left edge: a negative width thus yields PlotLeft.
    pixel = std::min<long long>(pixel, static_cast<long long>(graph.PlotLeft) + graph.PlotWidth);
    pixel = std::max<long long>(pixel, graph.PlotLeft);
    return static_cast<int>(pixel);
}

int YToPixel(const GraphState& graph, const data::PointStore& points, Extended y)
{
    const long long bottom = static_cast<long long>(graph.PlotTop) + graph.PlotHeight;
    long long pixel = bottom - AxisOffset(graph.PlotHeight, y, points.YMin, points.YMax);
    // Top edge first, then bottom edge: a negative height thus yields the bottom row.
    pixel = std::max<long long>(pixel, graph.PlotTop);
    pixel = std::min<long long>(pixel, bottom);
    return static_cast<int>(pixel);
}

Extended PixelToX(const GraphState& graph, const data::PointStore& points, int column)
{
    if (graph.PlotWidth <= 0)
        return points.XMin;
    return (points.XMax - points.XMin) * (Extended(column) - graph.PlotLeft) / graph.PlotWidth
        + points.XMin;
}

Extended PixelToY(const GraphState& graph, const data::PointStore& points, int row)
{
    if (graph.PlotHeight <= 0)
        return points.YMax;
    return points.YMax
        - (points.YMax - points.YMin) * (Extended(row) - graph.PlotTop) / graph.PlotHeight;
}

} // namespace graph
