// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/pane_text_of_points.cpp: the shortest round-trip text of each value, with the pane's
// decimal separator.
#include "data/pane_text_of_points.h"

#include <charconv>

namespace data {

namespace {

    // The shortest decimal text that reads back as value: std::to_chars, locale-free, with
    // its "." replaced by the pane's separator.
    void AppendNumber(std::string& text, Extended value, std::string_view decimalSeparator)
    {
        char buffer[64];
        const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
        const std::string_view number(buffer, static_cast<std::size_t>(written.ptr - buffer));
        const std::size_t point = number.find('.');
        if (point == std::string_view::npos) {
            text += number;
            return;
        }
        text += number.substr(0, point);
        text += decimalSeparator;
        text += number.substr(point + 1);
    }

} // namespace

std::string PaneTextOfPoints(const PointStore& points, std::string_view decimalSeparator)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(points.PointCount) * 24);
    for (int point = 1; point <= points.PointCount; ++point) {
        AppendNumber(text, points.XData[point], decimalSeparator);
        text += ' ';
        AppendNumber(text, points.YData[point], decimalSeparator);
        text += '\n';
    }
    return text;
}

} // namespace data
