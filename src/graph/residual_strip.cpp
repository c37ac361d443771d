// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/residual_strip.cpp: the residual strip's room, scale, ticks, labels and markers.
#include "graph/residual_strip.h"

#include "common/color.h"
#include "fit/fitting_function.h"
#include "graph/axes.h"
#include "graph/axis_labels.h"
#include "graph/markers.h"
#include "graph/scale_ticks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace graph {

namespace {

    // The markers in the strip: 4 of the plot's 7, a circle of half-size 3.
    constexpr int StripMarkerNumerator = 4;
    constexpr int StripMarkerDenominator = 7;

    struct Residual {
        int Column = 0;
        Extended Value = 0;
    };

    // The points' residuals against the curve as it is drawn, with their columns.
    std::vector<Residual> ResidualsOf(
        const GraphState& graph, const data::PointStore& points, const fit::FitState& fit)
    {
        std::vector<Residual> residuals;
        const int count = std::min(points.PointCount, points.Capacity());
        for (int i = 1; i <= count; ++i) {
            const Extended x = points.XData[i];
            const Extended residual = points.YData[i] - fit::CurveValue(fit, x);
            if (std::isfinite(x) && std::isfinite(residual))
                residuals.push_back({ XToPixel(graph, points, x), residual });
        }
        return residuals;
    }

    // The strip's value range: the residuals and 0, widened by a tenth of their span on each
    // side; -1..1 when they are all 0.
    struct StripRange {
        Extended Low = -1;
        Extended High = 1;
    };

    StripRange RangeOf(const std::vector<Residual>& residuals)
    {
        StripRange range { 0, 0 };
        for (const Residual& residual : residuals) {
            range.Low = std::min(range.Low, residual.Value);
            range.High = std::max(range.High, residual.Value);
        }
        const Extended span = range.High - range.Low;
        if (!(span > 0) || !std::isfinite(span))
            return StripRange {};
        range.Low -= span / 10;
        range.High += span / 10;
        return range;
    }

    // Value to row of the strip, clamped to it, as YToPixel maps the plot's.
    int StripRow(const GraphState& graph, const StripRange& range, Extended value)
    {
        const Extended offset = graph.StripHeight * (value - range.Low) / (range.High - range.Low);
        const int bottom = graph.StripTop + graph.StripHeight;
        return std::clamp(bottom - NearestPixel(offset), graph.StripTop, bottom);
    }

    // The plot's x ticks on the strip's top and bottom edges: major ones TickHalfLength each
    // way, minor ones a fifth of the step apart from one row above to two below.
    void DrawXTicks(const GraphState& graph, const data::PointStore& points, Canvas& canvas)
    {
        const int rows[2] = { graph.StripTop, graph.StripTop + graph.StripHeight };
        const auto ticks = [&](Extended step, int before, int after) {
            const auto indexes = TickIndexesOf(points.XMin, points.XMax, step);
            if (!indexes)
                return;
            for (long long k = 0; k < indexes->Count; ++k) {
                const int column = XToPixel(graph, points, (indexes->First + k) * step);
                for (const int row : rows) {
                    canvas.MoveTo(column, row - before);
                    canvas.LineTo(column, row + after);
                }
            }
        };
        ticks(graph.XTickStep, TickHalfLength, TickHalfLength);
        ticks(graph.XTickStep * 0.2L, MinorTickBefore, MinorTickAfter);
    }

    // The major y ticks on both edges and their labels left of the strip; the widest label's
    // width.
    int DrawYTicks(const GraphState& graph, const StripRange& range, Canvas& canvas)
    {
        // Labels a label height and a half apart: the strip is low, and its scale is read
        // from two or three of them.
        const AxisScale scale
            = ScaleYRange(range.Low, range.High, 3 * graph.LabelHeight / 2, graph.StripHeight);
        const auto indexes = TickIndexesOf(range.Low, range.High, scale.Step);
        if (!indexes)
            return 0;
        canvas.SetBrushColor(graph.BackgroundColor);
        const int halfHeight = graph.LabelHeight / 2;
        const int bottom = graph.StripTop + graph.StripHeight;
        int widest = 0;
        for (long long k = 0; k < indexes->Count; ++k) {
            const Extended value = (indexes->First + k) * scale.Step;
            const int row = StripRow(graph, range, value);
            if (row - halfHeight > graph.StripTop && row + halfHeight < bottom) {
                const std::string text = TickLabelText(value, scale.Decade);
                const int width = canvas.TextWidth(text);
                canvas.TextOut(graph.PlotLeft - width - YLabelGap, row - halfHeight, text);
                widest = std::max(widest, width);
            }
            for (const int column : { graph.PlotLeft, graph.PlotLeft + graph.PlotWidth }) {
                canvas.MoveTo(column - TickHalfLength, row);
                canvas.LineTo(column + TickHalfLength, row);
            }
        }
        return widest;
    }

} // namespace

void ReserveResidualStrip(GraphState& graph, const fit::FitState& fit)
{
    graph.StripTop = 0;
    graph.StripHeight = 0;
    if (!graph.ResidualsShown || !fit.FitValid)
        return;
    const int room = graph.PlotHeight - StripGap;
    const int strip = NearestPixel(Extended(room) / 6);
    if (strip < 1)
        return;
    graph.PlotHeight = room - strip;
    graph.StripTop = graph.PlotTop + graph.PlotHeight + StripGap;
    graph.StripHeight = strip;
}

int DrawResidualStrip(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, Canvas& canvas)
{
    if (graph.StripHeight <= 0)
        return 0;
    const int left = graph.PlotLeft;
    const int right = graph.PlotLeft + graph.PlotWidth;
    const int top = graph.StripTop;
    const int bottom = graph.StripTop + graph.StripHeight;
    const std::vector<Residual> residuals = ResidualsOf(graph, points, fit);
    const StripRange range = RangeOf(residuals);

    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetBrushColor(graph.GraphColor);
    canvas.FillRect(left, top, right, bottom);
    canvas.SetPenColor(graph.TickColor);
    const int widest = DrawYTicks(graph, range, canvas);
    DrawXTicks(graph, points, canvas);

    canvas.SetPenColor(common::Black);
    for (const int column : { left, right }) {
        canvas.MoveTo(column, top);
        canvas.LineTo(column, bottom);
    }
    for (const int row : { top, bottom, StripRow(graph, range, 0) }) {
        canvas.MoveTo(left, row);
        canvas.LineTo(right, row);
    }

    canvas.SetBrushColor(graph.MarkerColor);
    const int halfSize = MarkerHalfSize(graph.MarkerType,
        static_cast<std::uint16_t>(
            graph.MarkerSize * StripMarkerNumerator / StripMarkerDenominator));
    std::vector<CanvasPoint> centres;
    centres.reserve(residuals.size());
    for (const Residual& residual : residuals)
        centres.push_back({ residual.Column, StripRow(graph, range, residual.Value) });
    // Within a pixel of the marker's half-size each way.
    canvas.Repeat(centres, halfSize + 1, [&](Canvas& surface, int x, int y) {
        DrawMarker(surface, graph.MarkerType, halfSize, x, y, graph.MarkerColor);
    });
    return widest;
}

} // namespace graph
