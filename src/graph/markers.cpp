// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/markers.cpp: circle, square, two triangles and diamond, one per point.
#include "graph/markers.h"

#include "common/color.h"
#include "graph/plot_transforms.h"

#include <algorithm>
#include <cmath>

namespace graph {

int MarkerHalfSize(MarkerShape markerType, std::uint16_t markerSize)
{
    const Extended size = markerSize;
    switch (markerType) {
    case Square:
        return NearestPixel(size * 0.7072135785L);
    case Equilat:
    case UpsideEquilat:
        // Twice the size over sqrt(3 sqrt 3): a triangle of the circle's area.
        return NearestPixel(2 * size / std::sqrt(3 * std::sqrt(Extended(3))));
    case Diamond:
        return NearestPixel(size / std::sqrt(Extended(2)));
    default:
        return NearestPixel(size * 5 / 7);
    }
}

void DrawMarker(Canvas& canvas, MarkerShape markerType, int halfSize, int x, int y,
    common::ColorValue markerColor)
{
    const int r = halfSize;
    switch (markerType) {
    case Square:
        // A black square with the marker colour one pixel inside it; no pen line.
        canvas.SetBrushColor(common::Black);
        canvas.FillRect(x - r, y - r, x + r, y + r);
        canvas.SetBrushColor(markerColor);
        canvas.FillRect(x - r + 1, y - r + 1, x + r - 1, y + r - 1);
        return;
    case Equilat:
    case UpsideEquilat: {
        // Equilateral, inscribed in the circle of radius r: half the base is r sqrt(3) / 2 and
        // the base lies 1.5 r from the apex.
        const int halfBase = NearestPixel(r * std::sqrt(Extended(3)) * 0.5L);
        const int apexToBase = NearestPixel(1.5L * r);
        if (markerType == Equilat) {
            const int base = y - r + apexToBase;
            canvas.Polygon({ { x, y - r }, { x - halfBase, base }, { x + halfBase, base } });
        } else {
            const int base = y + r - apexToBase;
            canvas.Polygon({ { x, y + r }, { x + halfBase, base }, { x - halfBase, base } });
        }
        return;
    }
    case Diamond:
        canvas.Polygon({ { x, y + r }, { x + r, y }, { x, y - r }, { x - r, y } });
        return;
    default:
        canvas.Ellipse(x - r, y - r, x + r, y + r);
        return;
    }
}

void DrawMarkers(const GraphState& graph, const data::PointStore& points, Canvas& canvas)
{
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColor(common::Black);
    canvas.SetBrushColor(graph.MarkerColor);
    const int halfSize = MarkerHalfSize(graph.MarkerType, graph.MarkerSize);
    const int count = std::min(points.PointCount, points.Capacity());
    for (int i = 1; i <= count; ++i) {
        const Extended x = points.XData[i];
        const Extended y = points.YData[i];
        if (!std::isfinite(x) || !std::isfinite(y))
            continue;
        DrawMarker(canvas, graph.MarkerType, halfSize, XToPixel(graph, points, x),
            YToPixel(graph, points, y), graph.MarkerColor);
    }
}

} // namespace graph
