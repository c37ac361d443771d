// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/calculate_data.h: reading the data pane into the point store, with the plotted ranges.
#pragma once

#include "common/text_lines.h"
#include "data/point_store.h"

#include <string_view>

namespace data {

// Reads data lines 1..N of dataLines (line i is editor index i - 1, into slot i; at most
// points.Capacity() lines, LinesLeftUnread tells whether more were there) with decimalSeparator.
// Sets PointCount (ending before the first line that fails, whose slots read 0), the plotted ranges
// with margins and zero stretching, DataPresent, and marks exactly the lines that failed, and as
// unused every line after the first that failed (else after line points.Capacity(), when more
// lines follow). An empty pane only clears DataPresent, LinesLeftUnread and the marks. Never
// changes the text; raises no floating-point fault and leaves no flag.
void CalculateData(
    PointStore& points, common::TextLines& dataLines, std::string_view decimalSeparator);

// The plotted ranges of slots 1..PointCount, starting from slot 1 even when PointCount is 0, x
// and y independently: widened by MarginPercent of their widths at each end and, unless
// SuppressZero, stretched to take in 0. Raises no floating-point fault and leaves no flag.
void SetPlottedRange(PointStore& points);

} // namespace data
