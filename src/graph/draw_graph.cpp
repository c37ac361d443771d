// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/draw_graph.cpp: the drawing pass, in order.
#include "graph/draw_graph.h"

#include "common/color.h"
#include "common/floating_point_step.h"
#include "graph/axes.h"
#include "graph/axis_labels.h"
#include "graph/confidence_bands.h"
#include "graph/fitting_curve.h"
#include "graph/legends.h"
#include "graph/markers.h"
#include "graph/plot_transforms.h"
#include "graph/residual_strip.h"
#include "graph/scale_ticks.h"

#include <algorithm>

namespace graph {

void DrawGraph(GraphState& graph, const data::PointStore& points, const fit::FitState& fit,
    const WindowGeometry& window, Canvas& canvas, const GraphLabels& labels)
{
    if (!points.DataPresent)
        return;
    // Overflowing curves and degenerate ranges may raise fault flags inside the pass; the pass
    // reports no failure, so it puts the flags back for the next checked step of a command.
    const common::FloatingPointFlagsKept flagsKept;

    canvas.SetBrushColor(graph.BackgroundColor);
    canvas.FillRect(0, 0, window.ClientWidth, window.ClientHeight);
    SetPlotRectangle(graph, window, labels.YAxisLabel.Width());
    ReserveResidualStrip(graph, fit);

    AxisLayout axes;
    axes.AxisColumn = XToPixel(graph, points, 0);
    axes.AxisRow = YToPixel(graph, points, 0);
    MeasureLabels(graph, canvas);
    axes.YPlacement = ChooseYLabelPlacement(graph, points, canvas, axes.AxisColumn);
    axes.XPlacement = ChooseXLabelPlacement(graph, points, axes.AxisRow);

    canvas.SetPenColor(common::Black);
    canvas.SetBrushColor(graph.GraphColor);
    canvas.FillRect(graph.PlotLeft, graph.PlotTop, graph.PlotLeft + graph.PlotWidth,
        graph.PlotTop + graph.PlotHeight);
    // The curve's samples serve the bands and the curve; a drawing that keeps shapes draws the
    // curve from its own path.
    const bool bandsShown = graph.ConfidenceBandShown || graph.PredictionBandShown;
    const CurveColumns curve = fit.FitValid && (bandsShown || !canvas.KeepsShapes())
        ? SampleCurveColumns(graph, points, fit)
        : CurveColumns {};
    if (fit.FitValid)
        DrawConfidenceBands(graph, points, fit, curve, canvas);
    canvas.SetPenColor(graph.TickColor);
    ScaleTicks(graph, points);

    const std::string topYLabel = DrawMajorYTicks(graph, points, canvas, axes);
    DrawMajorXTicks(graph, points, canvas, axes);
    DrawFrameAndMinorTicks(graph, points, canvas, axes);
    DrawMarkers(graph, points, canvas);
    const int stripLabelsWidth = DrawResidualStrip(graph, points, fit, canvas);

    const bool labelsLeftOfPlot = axes.YPlacement == YLabelPlacement::LeftOfPlot;
    PlaceLegends(graph, labels,
        std::max(labelsLeftOfPlot ? canvas.TextWidth(topYLabel) : 0, stripLabelsWidth));

    if (fit.FitValid)
        DrawFittingCurve(graph, points, fit, curve, canvas);
}

} // namespace graph
