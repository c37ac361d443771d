// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/band_outline_test.cpp: a band's outline keeps every sample within the tolerance.
#include "graph/band_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

using graph::BandSpan;
using graph::PathPoint;

// The row of the polyline through outline's vertices between first and last (X monotonic) at x.
double RowAt(const std::vector<PathPoint>& edge, double x)
{
    for (std::size_t index = 0; index + 1 < edge.size(); ++index) {
        const PathPoint& a = edge[index];
        const PathPoint& b = edge[index + 1];
        if ((x - a.X) * (x - b.X) <= 0)
            return a.Y + (b.Y - a.Y) * (x - a.X) / (b.X - a.X);
    }
    return NAN;
}

TEST(BandOutline, LeavesOutOnlyWhatStaysWithinTheTolerance)
{
    constexpr double Tolerance = 0.125;
    const struct {
        const char* name;
        std::function<double(double)> upper;
        std::size_t mostVertices;
    } cases[] = {
        { "straight", [](double x) { return 100 + 0.3 * x; }, 4 },
        { "parabola", [](double x) { return 500 - 0.001 * (x - 900) * (x - 900); }, 200 },
        { "steps of a clamped band", [](double x) { return std::clamp(2 * x - 900, 40.5, 340.5); },
            12 },
        { "noise", [](double x) { return 200 + 3 * std::sin(x * x); }, 2 * 1921 },
    };
    for (const auto& band : cases) {
        SCOPED_TRACE(band.name);
        std::vector<BandSpan> spans;
        for (int column = 0; column <= 1920; ++column) {
            const double x = column + 0.5;
            spans.push_back({ x, band.upper(x), band.upper(x) + 50 + 0.01 * x });
        }
        const std::vector<PathPoint> outline = graph::BandOutline(spans, Tolerance);
        EXPECT_LE(outline.size(), band.mostVertices);
        // The upper edge runs forth to the last column, the lower one back from it.
        const auto turn = std::find_if(outline.begin(), outline.end(),
            [&](const PathPoint& point) { return point.X == spans.back().X; });
        ASSERT_NE(turn, outline.end());
        const std::vector<PathPoint> upper(outline.begin(), turn + 1);
        const std::vector<PathPoint> lower(turn + 1, outline.end());
        ASSERT_FALSE(lower.empty());
        ASSERT_EQ(lower.front(), (PathPoint { spans.back().X, spans.back().Lower }));
        ASSERT_EQ(upper.front(), (PathPoint { spans.front().X, spans.front().Upper }));
        ASSERT_EQ(upper.back(), (PathPoint { spans.back().X, spans.back().Upper }));
        ASSERT_EQ(lower.back(), (PathPoint { spans.front().X, spans.front().Lower }));
        for (const BandSpan& span : spans) {
            ASSERT_LE(std::abs(RowAt(upper, span.X) - span.Upper), Tolerance + 1e-9) << span.X;
            ASSERT_LE(std::abs(RowAt(lower, span.X) - span.Lower), Tolerance + 1e-9) << span.X;
        }
    }
}

} // namespace
