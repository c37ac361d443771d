// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/band_pixels.h: the pixels a band covers, as rectangles.
#pragma once

#include "graph/canvas.h"
#include "graph/line_pixels.h"

#include <vector>

namespace graph {

// The pixels of the band through spans (X increasing, pixel-column centres): in the column of
// each span, the rows whose centres lie within it (Upper <= row + 0.5 < Lower), as a fill of the
// band's outline on pixels covers them. Rows that run over the same columns are one rectangle;
// no two rectangles overlap. A column between two spans that are not neighbours is left out.
std::vector<PixelRun> BandPixelRuns(const std::vector<BandSpan>& spans);

} // namespace graph
