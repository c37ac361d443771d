// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/line_pixels.h: the pixels a canvas line covers, as runs of equal minor coordinate.
#pragma once

#include "graph/canvas.h"

#include <vector>

namespace graph {

// A rectangle of pixels: columns Left..Left + Width - 1, rows Top..Top + Height - 1.
struct PixelRun {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const PixelRun&) const = default;
};

// The pixels of the line from `from` to `to` inside columns 0..width - 1 and rows
// 0..height - 1, as the canvas draws it: Bresenham along the longer (major) axis, steps 0..n - 1
// from the start with the end pixel left out, the minor coordinate of step k at k * dMinor / n
// rounded half away from the start. Pixels sharing a minor coordinate form one run (a row
// segment for a mostly horizontal line, a column segment otherwise), in drawing order. Only
// the steps inside the area are visited, so a line of any length costs no more than the area
// is wide or high. A line of no length covers nothing.
std::vector<PixelRun> LinePixelRuns(CanvasPoint from, CanvasPoint to, int width, int height);

} // namespace graph
