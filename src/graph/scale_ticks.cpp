// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/scale_ticks.cpp: tick spacing from the range's decade and the crowding of the labels.
#include "graph/scale_ticks.h"

#include "graph/plot_transforms.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace graph {

namespace {

    // Decimal logarithm and powers of ten through e and ln 10, in Extended.
    Extended Log10(Extended value) { return std::log(value) / std::log(Extended(10)); }
    Extended TenToThe(int exponent) { return std::exp(exponent * std::log(Extended(10))); }

    // FloorInt(max / step) - trunc(min / step), taken in Extended so that a range far from 0
    // cannot overflow the count, then saturated to 32 bits.
    int StepCount(Extended low, Extended high, Extended step)
    {
        const Extended upper = high / step;
        const Extended floorUpper = upper < 0 ? std::trunc(upper) - 1 : std::trunc(upper);
        const Extended count = floorUpper - std::trunc(low / step);
        if (std::isnan(count))
            return 0;
        return static_cast<int>(
            std::clamp(count, Extended(std::numeric_limits<std::int32_t>::min()),
                Extended(std::numeric_limits<std::int32_t>::max())));
    }

    // The factor of the first row of the crowding table that holds; strict comparisons, so a
    // crowding exactly on a bound takes the next row down. The last row differs by axis.
    Extended CrowdingFactor(Extended crowding, Extended lastRowFactor)
    {
        if (crowding > 10)
            return 20;
        if (crowding > 5)
            return 10;
        if (crowding > 2)
            return 5;
        if (crowding > 1)
            return 2;
        if (crowding > 0.5L)
            return 1;
        if (crowding > 0.2L)
            return 0.5L;
        return lastRowFactor;
    }

    // labelExtent × StepCount is the room the labels take along the axis (an integer product);
    // plotExtent is the room there is. No room at all counts as infinitely crowded.
    AxisScale ScaleAxis(
        Extended low, Extended high, long long labelExtent, int plotExtent, Extended lastRowFactor)
    {
        AxisScale scale;
        const Extended span = high - low;
        if (!(span > 0) || !std::isfinite(span))
            return scale;
        const Extended trialStep = TenToThe(FloorInt(Log10(span))) * 0.1L;
        if (!(trialStep > 0) || !std::isfinite(trialStep))
            return scale;
        scale.StepCount = StepCount(low, high, trialStep);
        const long long room = labelExtent * scale.StepCount;
        const Extended crowding = plotExtent > 0 ? Extended(room) / plotExtent
                                                 : std::numeric_limits<Extended>::infinity();
        const Extended step = trialStep * CrowdingFactor(crowding, lastRowFactor);
        if (!(step > 0) || !std::isfinite(step))
            return scale;
        scale.Step = step;
        scale.Decade = FloorInt(Log10(step));
        return scale;
    }

} // namespace

AxisScale ScaleYRange(Extended low, Extended high, int labelSpacing, int extent)
{
    return ScaleAxis(low, high, labelSpacing, extent, Extended(1));
}

void ScaleTicks(GraphState& graph, const data::PointStore& points)
{
    // Labels stack up the y axis (three label heights each) and stand side by side on the x axis.
    const AxisScale y
        = ScaleYRange(points.YMin, points.YMax, 3 * graph.LabelHeight, graph.PlotHeight);
    graph.YTickStep = y.Step;
    graph.YDecade = y.Decade;
    const AxisScale x
        = ScaleAxis(points.XMin, points.XMax, graph.LabelWidth, graph.PlotWidth, 0.2L);
    graph.XTickStep = x.Step;
    graph.XDecade = x.Decade;
    graph.TickStepCount = x.StepCount;
}

} // namespace graph
