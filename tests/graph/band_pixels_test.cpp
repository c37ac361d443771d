// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/band_pixels_test.cpp: a band's rectangles cover exactly the pixels whose centres lie
// within it, each once.
#include "graph/band_pixels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <utility>

namespace {

using graph::BandSpan;

TEST(BandPixelRuns, CoverTheRowsEachColumnHoldsOnceInAFewRectangles)
{
    const struct {
        const char* name;
        std::function<BandSpan(int column)> span;
        int columns;
        std::size_t mostRectangles;
    } cases[] = {
        { "level band, a rectangle each side of the gap",
            [](int) {
                return BandSpan { 0, 10.5, 20.5 };
            },
            50, 2 },
        { "edges on pixel centres and between them",
            [](int column) {
                return BandSpan { 0, 10 + column * 0.25, 30 - column * 0.5 };
            },
            40, 60 },
        { "steep sine",
            [](int column) {
                const double middle = 200 + 150 * std::sin(column / 20.0);
                return BandSpan { 0, middle - 6, middle + 6 };
            },
            600, 2000 },
        { "undefined and empty columns break it",
            [](int column) {
                if (column % 7 == 3)
                    return BandSpan { 0, NAN, NAN };
                return column % 7 == 5 ? BandSpan { 0, 12, 12 } : BandSpan { 0, 3.2, 9.7 };
            },
            60, 40 },
    };
    for (const auto& band : cases) {
        SCOPED_TRACE(band.name);
        std::vector<BandSpan> spans;
        std::set<std::pair<int, int>> expected;
        // Columns from 5, with column 25 missing: the band does not run across the gap.
        for (int column = 5; column < 5 + band.columns; ++column) {
            if (column == 25)
                continue;
            BandSpan span = band.span(column);
            span.X = column + 0.5;
            spans.push_back(span);
            for (int row = -1; row < 500; ++row) {
                if (span.Upper <= row + 0.5 && row + 0.5 < span.Lower)
                    expected.insert({ column, row });
            }
        }
        const std::vector<graph::PixelRun> runs = graph::BandPixelRuns(spans);
        std::set<std::pair<int, int>> covered;
        for (const graph::PixelRun& run : runs) {
            for (int column = run.Left; column < run.Left + run.Width; ++column) {
                for (int row = run.Top; row < run.Top + run.Height; ++row)
                    EXPECT_TRUE(covered.insert({ column, row }).second) << column << "," << row;
            }
        }
        EXPECT_EQ(covered, expected);
        EXPECT_LE(runs.size(), band.mostRectangles);
    }
}

} // namespace
