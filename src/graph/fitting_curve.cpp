// src/graph/fitting_curve.cpp: one sample of the fitted function per pixel column.
#include "graph/fitting_curve.h"

#include "fit/fitting_function.h"
#include "graph/plot_transforms.h"

namespace graph {

void DrawFittingCurve(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, Canvas& canvas)
{
    const auto rowAt = [&](int column) {
        return YToPixel(graph, points, fit::CurveValue(fit, PixelToX(graph, points, column)));
    };
    canvas.SetPenColor(graph.MarkerColor);
    canvas.MoveTo(graph.PlotLeft, rowAt(graph.PlotLeft));
    for (int i = 1; i <= graph.PlotWidth; ++i) {
        const int column = graph.PlotLeft + i;
        canvas.LineTo(column, rowAt(column));
    }
}

} // namespace graph
