// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/points.h: a point store filled directly, as a reading of the data pane would.
#pragma once

#include "data/point_store.h"

#include <utility>
#include <vector>

namespace test_support {

using Point = std::pair<common::Extended, common::Extended>;

// Points 1..n from the list; DataPresent set as after a reading that found them.
inline data::PointStore PointsOf(const std::vector<Point>& list)
{
    data::PointStore points;
    int slot = 0;
    for (const auto& [x, y] : list) {
        ++slot;
        points.XData[slot] = x;
        points.YData[slot] = y;
    }
    points.PointCount = slot;
    points.DataPresent = true;
    return points;
}

} // namespace test_support
