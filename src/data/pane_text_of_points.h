// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/pane_text_of_points.h: points written as the data pane's lines, for an imported table.
#pragma once

#include "data/point_store.h"

#include <string>
#include <string_view>

namespace data {

// The data pane's text of points 1..PointCount: one line a point, x, a space and y, each line
// ended by "\n". Each number is the shortest text that the pane's reading (common::ReadNumber
// with decimalSeparator) gives back as the same value, -0 included; never a thousands
// separator.
std::string PaneTextOfPoints(const PointStore& points, std::string_view decimalSeparator);

} // namespace data
