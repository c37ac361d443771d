// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/confidence_bands.cpp: band limits per pixel column, as translucent polygons.
#include "graph/confidence_bands.h"

#include "fit/confidence_band.h"
#include "graph/plot_transforms.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace graph {

namespace {

    // The polygons of one band: runs of columns where it is defined, their upper limits from
    // left to right and their lower limits back.
    class BandOutline {
    public:
        void Add(PathPoint upper, PathPoint lower)
        {
            m_upper.push_back(upper);
            m_lower.push_back(lower);
        }

        // The run so far is one polygon; the next column starts another.
        void Break(std::vector<std::vector<PathPoint>>& polygons)
        {
            if (m_upper.size() >= 2) {
                std::vector<PathPoint> outline = m_upper;
                outline.insert(outline.end(), m_lower.rbegin(), m_lower.rend());
                polygons.push_back(std::move(outline));
            }
            m_upper.clear();
            m_lower.clear();
        }

    private:
        std::vector<PathPoint> m_upper;
        std::vector<PathPoint> m_lower;
    };

    std::vector<std::vector<PathPoint>> BandPolygons(const GraphState& graph,
        const data::PointStore& points, const fit::FitBands& bands, fit::BandKind kind)
    {
        // Pixel centres lie half a pixel right of and below the pixel's corner; the rows run
        // between the centres of the plot's top and bottom edges, as the curve's do.
        const double top = graph.PlotTop + 0.5;
        const double bottom = graph.PlotTop + graph.PlotHeight + 0.5;
        const Extended ySpan = points.YMax - points.YMin;
        const auto rowOf = [&](Extended y) {
            const Extended row = graph.PlotHeight * (y - points.YMin) / ySpan;
            return std::clamp(double(bottom - row), top, bottom);
        };
        std::vector<std::vector<PathPoint>> polygons;
        BandOutline outline;
        for (int i = 0; i <= graph.PlotWidth; ++i) {
            const int column = graph.PlotLeft + i;
            const auto limits = bands.At(PixelToX(graph, points, column), kind);
            if (!limits) {
                outline.Break(polygons);
                continue;
            }
            const double x = column + 0.5;
            outline.Add({ x, rowOf(limits->Upper) }, { x, rowOf(limits->Lower) });
        }
        outline.Break(polygons);
        return polygons;
    }

} // namespace

void DrawConfidenceBands(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, Canvas& canvas)
{
    if (!graph.ConfidenceBandShown && !graph.PredictionBandShown)
        return;
    const Extended ySpan = points.YMax - points.YMin;
    if (graph.PlotWidth <= 0 || graph.PlotHeight <= 0 || !(ySpan > 0) || !std::isfinite(ySpan))
        return;
    const std::optional<fit::FitBands> bands = fit::FitBands::Of(fit, graph.BandLevel);
    if (!bands)
        return;
    const int divisor = graph.FitCurveStale ? 2 : 1;
    const auto fill = [&](fit::BandKind kind, int alpha) {
        for (const std::vector<PathPoint>& polygon : BandPolygons(graph, points, *bands, kind))
            canvas.FillTranslucent(polygon, graph.MarkerColor, alpha / divisor);
    };
    if (graph.PredictionBandShown)
        fill(fit::BandKind::Prediction, PredictionBandAlpha);
    if (graph.ConfidenceBandShown)
        fill(fit::BandKind::Confidence, ConfidenceBandAlpha);
}

} // namespace graph
