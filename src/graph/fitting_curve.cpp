// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/fitting_curve.cpp: one sample of the fitted function per pixel column, or a finer
// path on a drawing that keeps shapes.
#include "graph/fitting_curve.h"

#include "fit/fitting_function.h"
#include "graph/curve_path.h"
#include "graph/plot_transforms.h"

namespace graph {

void DrawFittingCurve(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, Canvas& canvas)
{
    canvas.SetPenColor(graph.MarkerColor);
    if (graph.FitCurveStale)
        canvas.SetPenStyle(PenStyle::LightDash);
    if (canvas.KeepsShapes()) {
        canvas.Path(FittedCurvePath(graph, points, fit));
    } else {
        const auto rowAt = [&](int column) {
            return YToPixel(graph, points, fit::CurveValue(fit, PixelToX(graph, points, column)));
        };
        canvas.MoveTo(graph.PlotLeft, rowAt(graph.PlotLeft));
        for (int i = 1; i <= graph.PlotWidth; ++i) {
            const int column = graph.PlotLeft + i;
            canvas.LineTo(column, rowAt(column));
        }
    }
    if (graph.FitCurveStale)
        canvas.SetPenStyle(PenStyle::Solid);
}

} // namespace graph
