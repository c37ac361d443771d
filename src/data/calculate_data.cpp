// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/calculate_data.cpp: reading the data pane into the point store, and the plotted ranges.
#include "data/calculate_data.h"

#include "common/number_reader.h"

#include <algorithm>
#include <cfenv>
#include <optional>
#include <string>
#include <vector>

namespace data {

namespace {

    // Reads one line as an x/y pair. The x text runs up to and including the first space, the
    // y text from that space to the end; both must read completely. Works on its own copy:
    // bytes 0..31 become spaces there, never in the pane.
    bool ReadPair(std::string line, std::string_view decimalSeparator, Extended& x, Extended& y)
    {
        std::replace_if(
            line.begin(), line.end(),
            [](char character) { return static_cast<unsigned char>(character) < 32; }, ' ');
        const std::size_t space = line.find(' ');
        if (space == std::string::npos)
            return false; // the x text is empty
        const std::string_view text(line);
        const std::optional<Extended> xValue
            = common::ReadNumber(text.substr(0, space + 1), decimalSeparator);
        if (!xValue)
            return false;
        const std::optional<Extended> yValue
            = common::ReadNumber(text.substr(space), decimalSeparator);
        if (!yValue)
            return false;
        x = *xValue;
        y = *yValue;
        return true;
    }

} // namespace

void SetPlottedRange(PointStore& points)
{
    // Extreme data can overflow the widths; the range then holds infinities, which the drawing
    // pass skips. That is no fault of the reading, so no flag may stay for a later check.
    std::fenv_t savedEnvironment;
    std::feholdexcept(&savedEnvironment);
    // In locals, which the compiler keeps in registers over a million points.
    Extended xMin = points.XData[1];
    Extended xMax = xMin;
    Extended yMin = points.YData[1];
    Extended yMax = yMin;
    for (int i = 2; i <= points.PointCount; ++i) {
        const Extended x = points.XData[i];
        if (x < xMin)
            xMin = x;
        else if (x > xMax)
            xMax = x;
        const Extended y = points.YData[i];
        if (y < yMin)
            yMin = y;
        else if (y > yMax)
            yMax = y;
    }
    points.XMin = xMin;
    points.XMax = xMax;
    points.YMin = yMin;
    points.YMax = yMax;

    // Extended throughout, in this order: percent times width, then the hundredth.
    const Extended dx = points.MarginPercent * (points.XMax - points.XMin) * 0.01L;
    const Extended dy = points.MarginPercent * (points.YMax - points.YMin) * 0.01L;
    points.XMin -= dx;
    points.XMax += dx;
    points.YMin -= dy;
    points.YMax += dy;

    // Stretch each range to take in 0, so the axes through zero are on the plot.
    if (!points.SuppressZero) {
        if (points.XMin > 0)
            points.XMin = 0;
        else if (points.XMax < 0)
            points.XMax = 0;
        if (points.YMin > 0)
            points.YMin = 0;
        else if (points.YMax < 0)
            points.YMax = 0;
    }
    std::fesetenv(&savedEnvironment);
}

void CalculateData(
    PointStore& points, common::TextLines& dataLines, std::string_view decimalSeparator)
{
    // The number (from 1) of the last line that holds a character: no line beyond it is read.
    const int lastDataLine = dataLines.LinesToLastText();
    points.LinesLeftUnread = lastDataLine > points.Capacity();
    std::vector<int> unreadLines; // editor indexes, from 0
    if (lastDataLine == 0) {
        // Nothing to read: the points and the range stay as they were.
        points.DataPresent = false;
        dataLines.MarkUnreadLines(unreadLines);
        dataLines.MarkUnusedLines(common::TextLines::NoLine);
        return;
    }

    // Lines beyond the store's capacity are not read, and not marked either.
    const int readLines = std::min(lastDataLine, points.Capacity());
    points.PointCount = readLines;
    for (int i = 1; i <= readLines; ++i) {
        if (ReadPair(dataLines.Line(i - 1), decimalSeparator, points.XData[i], points.YData[i]))
            continue;
        // The line keeps its text; its slots read 0 and the points end before the first such line.
        points.XData[i] = 0;
        points.YData[i] = 0;
        if (unreadLines.empty())
            points.PointCount = i - 1;
        unreadLines.push_back(i - 1);
    }

    SetPlottedRange(points);
    points.DataPresent = true;
    dataLines.MarkUnreadLines(unreadLines);
    // The data end at the first line that fails, or where the store is full; unused are the
    // lines after that, when any of them holds a character.
    int firstUnused = points.LinesLeftUnread ? MaxPoints : common::TextLines::NoLine;
    if (!unreadLines.empty())
        firstUnused = unreadLines.front() + 1 < lastDataLine ? unreadLines.front() + 1
                                                             : common::TextLines::NoLine;
    dataLines.MarkUnusedLines(firstUnused);
}

} // namespace data
