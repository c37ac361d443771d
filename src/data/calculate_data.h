// src/data/calculate_data.h: reading the data pane into the point store, with the plotted ranges.
#pragma once

#include "common/text_lines.h"
#include "data/point_store.h"

#include <string_view>

namespace data {

// Reads the data lines of dataLines (line i into slot i, from 1) with decimalSeparator, sets
// PointCount, the plotted ranges with margins and zero stretching, DataPresent and
// LinesLeftUnread, and marks the lines that did not read. Never changes the text.
void CalculateData(PointStore& points, common::TextLines& dataLines, std::string_view decimalSeparator);

} // namespace data
