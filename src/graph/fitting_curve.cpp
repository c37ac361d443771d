// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/fitting_curve.cpp: one sample of the fitted function per pixel column, or a finer
// path on a drawing that keeps shapes.
#include "graph/fitting_curve.h"

#include "fit/fitting_function.h"
#include "graph/curve_path.h"
#include "graph/plot_transforms.h"

#include <algorithm>

namespace graph {

CurveColumns SampleCurveColumns(
    const GraphState& graph, const data::PointStore& points, const fit::FitState& fit)
{
    CurveColumns curve;
    const std::size_t count = std::size_t(std::max(graph.PlotWidth, 0)) + 1;
    curve.X.reserve(count);
    curve.Value.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        curve.X.push_back(PixelToX(graph, points, graph.PlotLeft + int(i)));
        curve.Value.push_back(fit::CurveValue(fit, curve.X.back()));
    }
    return curve;
}

void DrawFittingCurve(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, Canvas& canvas)
{
    const CurveColumns curve
        = canvas.KeepsShapes() ? CurveColumns {} : SampleCurveColumns(graph, points, fit);
    DrawFittingCurve(graph, points, fit, curve, canvas);
}

void DrawFittingCurve(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const CurveColumns& curve, Canvas& canvas)
{
    canvas.SetPenColor(graph.MarkerColor);
    if (graph.FitCurveStale)
        canvas.SetPenStyle(PenStyle::LightDash);
    if (canvas.KeepsShapes()) {
        canvas.Path(FittedCurvePath(graph, points, fit));
    } else {
        const auto rowAt = [&](int i) { return YToPixel(graph, points, curve.Value[i]); };
        canvas.MoveTo(graph.PlotLeft, rowAt(0));
        for (int i = 1; i <= graph.PlotWidth; ++i)
            canvas.LineTo(graph.PlotLeft + i, rowAt(i));
    }
    if (graph.FitCurveStale)
        canvas.SetPenStyle(PenStyle::Solid);
}

} // namespace graph
