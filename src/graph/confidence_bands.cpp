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

    // The bands of one fit: runs of columns where each is defined.
    using BandRuns = std::vector<std::vector<BandSpan>>;
    struct BandPolygons {
        BandRuns Confidence;
        BandRuns Prediction;
    };

    // Adds the span to the last run, or ends that run where the band is not defined; a run of
    // fewer than two columns is dropped.
    void Extend(BandRuns& runs, bool& open, const std::optional<BandSpan>& span)
    {
        if (span) {
            if (!open)
                runs.emplace_back();
            runs.back().push_back(*span);
            open = true;
            return;
        }
        if (open && runs.back().size() < 2)
            runs.pop_back();
        open = false;
    }

    BandPolygons PolygonsOf(const GraphState& graph, const data::PointStore& points,
        const fit::FitBands& bands, const CurveColumns& curve)
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
        BandPolygons polygons;
        bool confidenceOpen = false;
        bool predictionOpen = false;
        const auto spanOf = [&](const std::optional<fit::BandLimits>& limits,
                                double x) -> std::optional<BandSpan> {
            if (!limits)
                return std::nullopt;
            return BandSpan { x, rowOf(limits->Upper), rowOf(limits->Lower) };
        };
        const std::vector<fit::FitBands::BothLimits> columns = bands.BothAt(curve.X, curve.Value);
        for (int i = 0; i <= graph.PlotWidth; ++i) {
            const fit::FitBands::BothLimits& limits = columns[std::size_t(i)];
            const double x = graph.PlotLeft + i + 0.5;
            if (graph.ConfidenceBandShown)
                Extend(polygons.Confidence, confidenceOpen, spanOf(limits.Confidence, x));
            if (graph.PredictionBandShown)
                Extend(polygons.Prediction, predictionOpen, spanOf(limits.Prediction, x));
        }
        Extend(polygons.Confidence, confidenceOpen, std::nullopt);
        Extend(polygons.Prediction, predictionOpen, std::nullopt);
        return polygons;
    }

} // namespace

void DrawConfidenceBands(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, Canvas& canvas)
{
    if (graph.ConfidenceBandShown || graph.PredictionBandShown)
        DrawConfidenceBands(graph, points, fit, SampleCurveColumns(graph, points, fit), canvas);
}

void DrawConfidenceBands(const GraphState& graph, const data::PointStore& points,
    const fit::FitState& fit, const CurveColumns& curve, Canvas& canvas)
{
    if (!graph.ConfidenceBandShown && !graph.PredictionBandShown)
        return;
    const Extended ySpan = points.YMax - points.YMin;
    if (graph.PlotWidth <= 0 || graph.PlotHeight <= 0 || !(ySpan > 0) || !std::isfinite(ySpan))
        return;
    const std::optional<fit::FitBands> bands = fit::FitBands::Of(fit, graph.BandLevel);
    if (!bands)
        return;
    const BandPolygons polygons = PolygonsOf(graph, points, *bands, curve);
    const int divisor = graph.FitCurveStale ? 2 : 1;
    const int predictionAlpha = PredictionBandAlpha / divisor;
    // The confidence band lies inside the prediction band: where both show, its tint is the
    // curve's colour at its opacity over the prediction band's, the same colour at the sum of
    // the two opacities less their product.
    int confidenceAlpha = ConfidenceBandAlpha / divisor;
    if (graph.PredictionBandShown)
        confidenceAlpha += predictionAlpha - (predictionAlpha * confidenceAlpha + 127) / 255;
    for (const std::vector<BandSpan>& run : polygons.Prediction)
        canvas.FillTinted(run, graph.MarkerColor, predictionAlpha, graph.GraphColor);
    for (const std::vector<BandSpan>& run : polygons.Confidence)
        canvas.FillTinted(run, graph.MarkerColor, confidenceAlpha, graph.GraphColor);
}

} // namespace graph
