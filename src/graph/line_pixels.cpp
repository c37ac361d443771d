// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/line_pixels.cpp: Bresenham runs of a line, clipped to the drawing area.
#include "graph/line_pixels.h"

#include <algorithm>
#include <cstdlib>

namespace graph {

std::vector<PixelRun> LinePixelRuns(CanvasPoint from, CanvasPoint to, int width, int height)
{
    std::vector<PixelRun> runs;
    const long long dx = static_cast<long long>(to.X) - from.X;
    const long long dy = static_cast<long long>(to.Y) - from.Y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps == 0)
        return runs;
    const long long majorStart = xMajor ? from.X : from.Y;
    const long long minorStart = xMajor ? from.Y : from.X;
    const long long majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const long long minorDelta = xMajor ? dy : dx;
    const long long minorSign = minorDelta < 0 ? -1 : 1;
    const long long majorExtent = xMajor ? width : height;
    const long long minorExtent = xMajor ? height : width;

    // Steps k whose major coordinate majorStart + majorSign * k lies in 0..majorExtent-1.
    long long first = 0;
    long long last = steps - 1;
    if (majorSign > 0) {
        first = std::max(first, -majorStart);
        last = std::min(last, majorExtent - 1 - majorStart);
    } else {
        first = std::max(first, majorStart - (majorExtent - 1));
        last = std::min(last, majorStart);
    }

    // 128 bits: the product of two 33-bit differences must not overflow.
    const auto minorAt = [&](long long k) {
        const __int128 twiceProduct = static_cast<__int128>(2 * k) * std::llabs(minorDelta);
        const long long offset = static_cast<long long>((twiceProduct + steps) / (2 * steps));
        return minorStart + minorSign * offset;
    };
    // The minor coordinate lies between the ends' own, so it fits an int; runs outside the
    // area are left out.
    const auto addRun = [&](long long runStart, long long runEnd, long long minor) {
        if (minor < 0 || minor >= minorExtent)
            return;
        const int low
            = static_cast<int>(majorStart + majorSign * (majorSign > 0 ? runStart : runEnd));
        const int length = static_cast<int>(runEnd - runStart + 1);
        runs.push_back(xMajor ? PixelRun { low, static_cast<int>(minor), length, 1 }
                              : PixelRun { static_cast<int>(minor), low, 1, length });
    };

    // A level or upright line is one run.
    if (minorDelta == 0) {
        if (first <= last)
            addRun(first, last, minorStart);
        return runs;
    }
    long long runStart = first;
    long long runMinor = minorAt(first);
    for (long long k = first + 1; k <= last; ++k) {
        const long long minor = minorAt(k);
        if (minor != runMinor) {
            addRun(runStart, k - 1, runMinor);
            runStart = k;
            runMinor = minor;
        }
    }
    if (first <= last)
        addRun(runStart, last, runMinor);
    return runs;
}

} // namespace graph
