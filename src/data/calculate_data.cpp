// src/data/calculate_data.cpp: reading the data lines into the point store, and the plotted ranges.
#include "data/calculate_data.h"

#include "common/number_reader.h"

#include <optional>
#include <string>
#include <vector>

namespace data {

namespace {

    bool IsSpace(char character)
    {
        return character == ' ' || (static_cast<unsigned char>(character) < 32);
    }

    // One line as a pair: x up to and including the first space, y from that space on; codes
    // 0 to 31 count as spaces.
    bool ReadPair(std::string line, std::string_view separator, Extended& x, Extended& y)
    {
        for (char& character : line)
            if (IsSpace(character))
                character = ' ';
        const std::size_t space = line.find(' ');
        const std::string_view text(line);
        const std::string_view xText
            = space == std::string::npos ? std::string_view() : text.substr(0, space + 1);
        const std::string_view yText = space == std::string::npos ? text : text.substr(space);
        const std::optional<Extended> xValue = common::ReadNumber(xText, separator);
        const std::optional<Extended> yValue = common::ReadNumber(yText, separator);
        if (!xValue || !yValue)
            return false;
        x = *xValue;
        y = *yValue;
        return true;
    }

    void Widen(Extended& low, Extended& high, int marginPercent)
    {
        const Extended margin = marginPercent * (high - low) * 0.01L;
        low = low - margin;
        high = high + margin;
    }

    void IncludeZero(Extended& low, Extended& high)
    {
        if (low > 0)
            low = 0;
        else if (high < 0)
            high = 0;
    }

} // namespace

void CalculateData(
    PointStore& points, common::TextLines& dataLines, std::string_view decimalSeparator)
{
    int lastLine = dataLines.LineCount();
    while (lastLine > 0 && dataLines.Line(lastLine - 1).empty())
        --lastLine;
    if (lastLine == 0) {
        points.DataPresent = false;
        dataLines.MarkUnreadLines({});
        return;
    }

    points.LinesLeftUnread = lastLine > MaxPoints;
    const int dataLineCount = lastLine > MaxPoints ? MaxPoints : lastLine;
    points.PointCount = dataLineCount;
    std::vector<int> unreadLines;
    // Data line i is editor line i - 1.
    for (int slot = 1; slot <= dataLineCount; ++slot) {
        if (!ReadPair(dataLines.Line(slot - 1), decimalSeparator, points.XData[slot],
                points.YData[slot])) {
            points.XData[slot] = 0;
            points.YData[slot] = 0;
            points.PointCount = slot - 1;
            unreadLines.push_back(slot - 1);
        }
    }
    dataLines.MarkUnreadLines(unreadLines);

    points.XMin = points.XMax = points.XData[1];
    points.YMin = points.YMax = points.YData[1];
    for (int slot = 2; slot <= points.PointCount; ++slot) {
        const Extended x = points.XData[slot];
        const Extended y = points.YData[slot];
        if (x < points.XMin)
            points.XMin = x;
        else if (x > points.XMax)
            points.XMax = x;
        if (y < points.YMin)
            points.YMin = y;
        else if (y > points.YMax)
            points.YMax = y;
    }
    Widen(points.XMin, points.XMax, points.MarginPercent);
    Widen(points.YMin, points.YMax, points.MarginPercent);
    if (!points.SuppressZero) {
        IncludeZero(points.XMin, points.XMax);
        IncludeZero(points.YMin, points.YMax);
    }
    points.DataPresent = true;
}

} // namespace data
