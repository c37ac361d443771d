// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/coordinate_readout.cpp: readout fields by the decimal exponent of units per pixel.
#include "graph/coordinate_readout.h"

#include "common/fixed_text.h"
#include "common/integer_conversions.h"
#include "graph/plot_transforms.h"

#include <cfenv>
#include <cmath>

namespace graph {

namespace {

    using common::Extended;

    // One axis of the readout: the value's text in the field of its units per pixel.
    std::optional<std::string> AxisText(Extended value, Extended span, int extent)
    {
        const std::optional<ReadoutField> field = ReadoutFieldFor(span, extent);
        if (!field || !std::isfinite(value))
            return std::nullopt;
        return common::FixedText(value, field->width, field->decimals);
    }

    std::optional<std::string> ComposeCaption(
        const GraphState& graph, const data::PointStore& points, int X, int Y)
    {
        if (graph.PlotWidth <= 0 || graph.PlotHeight <= 0)
            return std::nullopt;
        const std::optional<std::string> x
            = AxisText(PixelToX(graph, points, X), points.XMax - points.XMin, graph.PlotWidth);
        const std::optional<std::string> y
            = AxisText(PixelToY(graph, points, Y), points.YMax - points.YMin, graph.PlotHeight);
        if (!x || !y)
            return std::nullopt;
        std::string caption = "( ";
        caption += *x;
        caption += " ; ";
        caption += *y;
        caption += " )";
        return caption;
    }

} // namespace

bool InsidePlot(const GraphState& graph, int X, int Y)
{
    const long long right = static_cast<long long>(graph.PlotLeft) + graph.PlotWidth;
    const long long bottom = static_cast<long long>(graph.PlotTop) + graph.PlotHeight;
    return graph.PlotLeft < X && X < right && graph.PlotTop < Y && Y < bottom;
}

std::optional<ReadoutField> ReadoutFieldFor(Extended span, int extent)
{
    if (extent <= 0 || !std::isfinite(span) || !(span > 0))
        return std::nullopt;
    const Extended unitsPerPixel = span / extent;
    // A span too small for its extent underflows to 0, whose logarithm has no exponent.
    if (!(unitsPerPixel > 0))
        return std::nullopt;
    // |e| stays below 5000 for any finite positive Extended.
    const int exponent = static_cast<int>(common::RoundHalfEven(std::log10(unitsPerPixel)));
    if (exponent > 0)
        return ReadoutField { exponent, 0 };
    if (exponent < 0)
        return ReadoutField { -exponent + 4, -exponent };
    return ReadoutField { 3, 1 };
}

std::optional<std::string> CoordinateCaption(
    const GraphState& graph, const data::PointStore& points, int X, int Y)
{
    // Extreme ranges can overflow on the way (a span beyond the largest value); such a readout
    // is refused above, and no flag of it may stay behind for a later command's check.
    std::fenv_t savedEnvironment;
    std::feholdexcept(&savedEnvironment);
    std::optional<std::string> caption = ComposeCaption(graph, points, X, Y);
    std::fesetenv(&savedEnvironment);
    return caption;
}

} // namespace graph
