// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/axes.cpp: ticks, tick labels, frame and axes, each drawn on three lines.
#include "graph/axes.h"

#include "common/color.h"
#include "graph/plot_transforms.h"

#include <cmath>
#include <optional>

namespace graph {

namespace {

    // A tick count beyond any usable range; more would only come from a step too fine for the
    // magnitude of its range, and the axis then gets no ticks instead of a near-endless loop.
    constexpr long long MaxTickIndexes = 100000;

    // A horizontal line from column - before to column + after on row, at each of the columns.
    void HorizontalTicks(Canvas& canvas, int row, const int (&columns)[3], int before, int after)
    {
        for (const int column : columns) {
            canvas.MoveTo(column - before, row);
            canvas.LineTo(column + after, row);
        }
    }

    void VerticalTicks(Canvas& canvas, int column, const int (&rows)[3], int before, int after)
    {
        for (const int row : rows) {
            canvas.MoveTo(column, row - before);
            canvas.LineTo(column, row + after);
        }
    }

} // namespace

std::optional<TickIndexes> TickIndexesOf(Extended low, Extended high, Extended step)
{
    if (!(step > 0) || !std::isfinite(step))
        return std::nullopt;
    Extended first = std::trunc(low / step);
    const Extended last = std::trunc(high / step);
    if (!std::isfinite(first) || !std::isfinite(last))
        return std::nullopt;
    // trunc(-0.3) is -0; the index is a whole number, and -0 would write "-0".
    if (first == 0)
        first = 0;
    if (last < first)
        return TickIndexes { first, 0 };
    if (last - first >= MaxTickIndexes)
        return std::nullopt;
    return TickIndexes { first, static_cast<long long>(last - first) + 1 };
}

std::string DrawMajorYTicks(
    const GraphState& graph, const data::PointStore& points, Canvas& canvas, const AxisLayout& axes)
{
    std::string currentText;
    canvas.SetBrushColor(YLabelBackground(axes.YPlacement, graph));
    const auto indexes = TickIndexesOf(points.YMin, points.YMax, graph.YTickStep);
    if (!indexes)
        return currentText;
    const int columns[3] = { axes.AxisColumn, graph.PlotLeft, graph.PlotLeft + graph.PlotWidth };
    const int halfHeight = graph.LabelHeight / 2;
    for (long long k = 0; k < indexes->Count; ++k) {
        const Extended index = indexes->First + k;
        const Extended value = index * graph.YTickStep;
        const int row = YToPixel(graph, points, value);
        currentText = TickLabelText(value, graph.YDecade);
        if (index != 0 && row - halfHeight > graph.PlotTop
            && row + halfHeight < graph.PlotTop + graph.PlotHeight) {
            const int width = canvas.TextWidth(currentText);
            canvas.TextOut(YLabelLeft(axes.YPlacement, graph, axes.AxisColumn, width),
                row - halfHeight, currentText);
        }
        HorizontalTicks(canvas, row, columns, TickHalfLength, TickHalfLength);
    }
    return currentText;
}

void DrawMajorXTicks(
    const GraphState& graph, const data::PointStore& points, Canvas& canvas, const AxisLayout& axes)
{
    canvas.SetBrushColor(XLabelBackground(axes.XPlacement, graph));
    const auto indexes = TickIndexesOf(points.XMin, points.XMax, graph.XTickStep);
    if (!indexes)
        return;
    const int rows[3] = { axes.AxisRow, graph.PlotTop, graph.PlotTop + graph.PlotHeight };
    const int top = XLabelTop(axes.XPlacement, graph, axes.AxisRow);
    // Long labels (x near 1E9) can be wider than the step: a label is written only a blank or
    // more right of the last one written, so none overprints its neighbour; its tick stays.
    const int gap = canvas.TextWidth(" ");
    std::optional<int> lastRight;
    for (long long k = 0; k < indexes->Count; ++k) {
        const Extended index = indexes->First + k;
        const Extended value = index * graph.XTickStep;
        const int column = XToPixel(graph, points, value);
        const std::string text = TickLabelText(value, graph.XDecade);
        const int width = canvas.TextWidth(text);
        const int halfWidth = width / 2;
        if (index != 0 && column - halfWidth > graph.PlotLeft
            && column + halfWidth < graph.PlotLeft + graph.PlotWidth
            && (!lastRight || column - halfWidth >= *lastRight + gap)) {
            canvas.TextOut(column - halfWidth, top, text);
            lastRight = column - halfWidth + width;
        }
        VerticalTicks(canvas, column, rows, TickHalfLength, TickHalfLength);
    }
}

void DrawFrameAndMinorTicks(
    GraphState& graph, const data::PointStore& points, Canvas& canvas, const AxisLayout& axes)
{
    graph.XTickStep *= 0.2L;
    graph.YTickStep *= 0.2L;
    const int left = graph.PlotLeft;
    const int top = graph.PlotTop;
    const int right = graph.PlotLeft + graph.PlotWidth;
    const int bottom = graph.PlotTop + graph.PlotHeight;

    canvas.SetPenColor(common::Black);
    for (const int column : { axes.AxisColumn, left, right }) {
        canvas.MoveTo(column, top);
        canvas.LineTo(column, bottom);
    }
    canvas.SetPenColor(graph.TickColor);
    if (const auto indexes = TickIndexesOf(points.YMin, points.YMax, graph.YTickStep)) {
        const int columns[3] = { axes.AxisColumn, left, right };
        for (long long k = 0; k < indexes->Count; ++k) {
            const int row = YToPixel(graph, points, (indexes->First + k) * graph.YTickStep);
            HorizontalTicks(canvas, row, columns, MinorTickBefore, MinorTickAfter);
        }
    }

    canvas.SetPenColor(common::Black);
    for (const int row : { axes.AxisRow, top, bottom }) {
        canvas.MoveTo(left, row);
        canvas.LineTo(right, row);
    }
    canvas.SetPenColor(graph.TickColor);
    if (const auto indexes = TickIndexesOf(points.XMin, points.XMax, graph.XTickStep)) {
        const int rows[3] = { axes.AxisRow, top, bottom };
        for (long long k = 0; k < indexes->Count; ++k) {
            const int column = XToPixel(graph, points, (indexes->First + k) * graph.XTickStep);
            VerticalTicks(canvas, column, rows, MinorTickBefore, MinorTickAfter);
        }
    }

    graph.XTickStep *= 5;
    graph.YTickStep *= 5;
}

} // namespace graph
