// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/curve_path.cpp: the fitted curve sampled between pixels, cut at the plot's top and
// bottom, and thinned to the points a smooth drawing needs.
#include "graph/curve_path.h"

#include "fit/fitting_function.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace graph {

namespace {

    // Distance from point to the segment from start to end.
    double Deviation(PathPoint point, PathPoint start, PathPoint end)
    {
        const double dx = end.X - start.X;
        const double dy = end.Y - start.Y;
        const double squaredLength = dx * dx + dy * dy;
        double t = 0;
        if (squaredLength > 0)
            t = std::clamp(
                ((point.X - start.X) * dx + (point.Y - start.Y) * dy) / squaredLength, 0.0, 1.0);
        return std::hypot(point.X - (start.X + t * dx), point.Y - (start.Y + t * dy));
    }

    // Keeps the samples that hold the polyline within PathTolerance of all of them: the ends,
    // then again and again the sample farthest from the chord of its span, while it lies beyond.
    std::vector<PathPoint> Thinned(const std::vector<PathPoint>& samples)
    {
        if (samples.size() <= 2)
            return samples;
        std::vector<bool> keep(samples.size(), false);
        keep.front() = keep.back() = true;
        std::vector<std::pair<std::size_t, std::size_t>> spans { { 0, samples.size() - 1 } };
        while (!spans.empty()) {
            const auto [first, last] = spans.back();
            spans.pop_back();
            double farthest = 0;
            std::size_t at = first;
            for (std::size_t i = first + 1; i < last; ++i) {
                const double deviation = Deviation(samples[i], samples[first], samples[last]);
                if (deviation > farthest) {
                    farthest = deviation;
                    at = i;
                }
            }
            if (farthest > PathTolerance) {
                keep[at] = true;
                spans.emplace_back(first, at);
                spans.emplace_back(at, last);
            }
        }
        std::vector<PathPoint> kept;
        for (std::size_t i = 0; i < samples.size(); ++i)
            if (keep[i])
                kept.push_back(samples[i]);
        return kept;
    }

    // Cuts the run of samples to the rows top..bottom: a polyline ends where the curve leaves
    // the band and a new one starts where it comes back.
    class BandCutter {
    public:
        BandCutter(double top, double bottom)
            : m_top(top)
            , m_bottom(bottom)
        {
        }

        void Add(PathPoint point)
        {
            if (m_havePrevious)
                Segment(m_previous, point);
            else if (point.Y >= m_top && point.Y <= m_bottom)
                m_current.push_back(point);
            m_previous = point;
            m_havePrevious = true;
        }

        // A gap in the samples (a value that is not a number).
        void Break()
        {
            Finish();
            m_havePrevious = false;
        }

        std::vector<std::vector<PathPoint>> Polylines()
        {
            Finish();
            return std::move(m_polylines);
        }

    private:
        void Segment(PathPoint from, PathPoint to)
        {
            double enter = 0;
            double leave = 1;
            const double dy = to.Y - from.Y;
            if (dy == 0) {
                if (from.Y < m_top || from.Y > m_bottom)
                    return;
            } else {
                const double atTop = (m_top - from.Y) / dy;
                const double atBottom = (m_bottom - from.Y) / dy;
                enter = std::max(0.0, std::min(atTop, atBottom));
                leave = std::min(1.0, std::max(atTop, atBottom));
                if (enter > leave)
                    return;
            }
            const auto along = [&](double t) {
                return PathPoint { from.X + t * (to.X - from.X), from.Y + t * dy };
            };
            if (enter > 0 || m_current.empty()) {
                Finish();
                m_current.push_back(along(enter));
            }
            m_current.push_back(along(leave));
            if (leave < 1)
                Finish();
        }

        void Finish()
        {
            if (m_current.size() >= 2)
                m_polylines.push_back(Thinned(m_current));
            m_current.clear();
        }

        double m_top;
        double m_bottom;
        bool m_havePrevious = false;
        PathPoint m_previous;
        std::vector<PathPoint> m_current;
        std::vector<std::vector<PathPoint>> m_polylines;
    };

} // namespace

std::vector<std::vector<PathPoint>> FittedCurvePath(
    const GraphState& graph, const data::PointStore& points, const fit::FitState& fit)
{
    if (graph.PlotWidth <= 0 || graph.PlotHeight <= 0)
        return {};
    // Pixel centres lie half a pixel right of and below the pixel's corner.
    const double top = graph.PlotTop + 0.5;
    const double bottom = graph.PlotTop + graph.PlotHeight + 0.5;
    const Extended xSpan = points.XMax - points.XMin;
    const Extended ySpan = points.YMax - points.YMin;
    const bool yScaled = ySpan != 0 && std::isfinite(ySpan);
    BandCutter cutter(top, bottom);
    const int samples = graph.PlotWidth * CurveSamplesPerPixel;
    for (int sample = 0; sample <= samples; ++sample) {
        // Extended throughout, the product before the quotient, as the pixel transforms do.
        const Extended offset = Extended(sample) / CurveSamplesPerPixel;
        const Extended x = points.XMin + xSpan * offset / graph.PlotWidth;
        const Extended value = fit::CurveValue(fit, x);
        Extended row = graph.PlotHeight / 2;
        if (yScaled)
            row = graph.PlotHeight * (value - points.YMin) / ySpan;
        if (std::isnan(row)) {
            cutter.Break();
            continue;
        }
        // A pixel beyond the band is as good as any farther place for the cut at its edge.
        const double y = std::clamp(double(bottom - row), top - 1, bottom + 1);
        cutter.Add({ graph.PlotLeft + 0.5 + double(offset), y });
    }
    return cutter.Polylines();
}

} // namespace graph
