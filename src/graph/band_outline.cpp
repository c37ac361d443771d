// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/band_outline.cpp: each edge straightened greedily in one pass.
#include "graph/band_outline.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace graph {

namespace {

    // Appends the edge through the spans' rows (upper or lower) in the order given, forwards or
    // backwards; slopes are taken per column travelled. From the last vertex kept, the slopes of
    // the lines that pass within tolerance of every vertex since narrow to an interval; the vertex
    // before the first one whose own slope falls outside it is kept and becomes the next start.
    template <typename Iterator>
    void AppendEdge(std::vector<PathPoint>& outline, Iterator first, Iterator last,
        double BandSpan::*row, double tolerance)
    {
        const auto pointOf = [row](const BandSpan& span) {
            return PathPoint { span.X, span.*row };
        };
        constexpr double Unbounded = std::numeric_limits<double>::infinity();
        Iterator anchor = first;
        outline.push_back(pointOf(*anchor));
        double lowest = -Unbounded;
        double highest = Unbounded;
        for (Iterator next = std::next(first); next != last; ++next) {
            double run = std::abs(next->X - anchor->X);
            double rise = (*next).*row - (*anchor).*row;
            if (std::next(anchor) != next && !(rise >= lowest * run && rise <= highest * run)) {
                anchor = std::prev(next);
                outline.push_back(pointOf(*anchor));
                lowest = -Unbounded;
                highest = Unbounded;
                run = std::abs(next->X - anchor->X);
                rise = (*next).*row - (*anchor).*row;
            }
            lowest = std::max(lowest, (rise - tolerance) / run);
            highest = std::min(highest, (rise + tolerance) / run);
        }
        if (std::next(anchor) != last)
            outline.push_back(pointOf(*std::prev(last)));
    }

} // namespace

std::vector<PathPoint> BandOutline(const std::vector<BandSpan>& spans, double tolerance)
{
    std::vector<PathPoint> outline;
    if (spans.empty())
        return outline;
    AppendEdge(outline, spans.begin(), spans.end(), &BandSpan::Upper, tolerance);
    AppendEdge(outline, spans.rbegin(), spans.rend(), &BandSpan::Lower, tolerance);
    return outline;
}

} // namespace graph
