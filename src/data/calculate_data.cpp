// src/data/calculate_data.cpp: stand-in for the data reading until it lands.
#include "data/calculate_data.h"

namespace data {

void CalculateData(
    PointStore& points, common::TextLines& dataLines, std::string_view decimalSeparator)
{
    (void)decimalSeparator;
    points.PointCount = 0;
    points.DataPresent = false;
    for (int index = 0; index < dataLines.LineCount(); ++index)
        if (!dataLines.Line(index).empty())
            points.DataPresent = true;
}

} // namespace data
