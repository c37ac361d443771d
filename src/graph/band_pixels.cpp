// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/band_pixels.cpp: one sweep over the columns, opening and closing the runs of each row.
#include "graph/band_pixels.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace graph {

namespace {

    // The rows First..Last - 1 a span covers; empty where its edges are not numbers.
    struct RowRange {
        int First = INT_MIN;
        int Last = INT_MIN;
    };

    RowRange RowsOf(const BandSpan& span)
    {
        const double first = std::ceil(span.Upper - 0.5);
        const double last = std::ceil(span.Lower - 0.5);
        // Rows beyond int's range cannot be pixels of any surface.
        constexpr double Limit = 1 << 30;
        if (!(first < last) || !(first > -Limit) || !(last < Limit))
            return {};
        return { int(first), int(last) };
    }

    // The rows a sweep has open, each with the column its run started in.
    class RowRuns {
    public:
        RowRuns(int firstRow, int lastRow)
            : m_firstRow(firstRow)
            , m_start(std::size_t(std::max(lastRow - firstRow, 0)), 0)
        {
        }

        void Open(int first, int last, int column)
        {
            for (int row = first; row < last; ++row)
                m_start[std::size_t(row - m_firstRow)] = column;
        }

        // Ends the runs of rows first..last - 1 before column; neighbouring rows that started
        // together become one rectangle.
        void Close(int first, int last, int column, std::vector<PixelRun>& runs) const
        {
            int row = first;
            while (row < last) {
                const int start = StartOf(row);
                int end = row + 1;
                while (end < last && StartOf(end) == start)
                    ++end;
                runs.push_back({ start, row, column - start, end - row });
                row = end;
            }
        }

    private:
        int StartOf(int row) const { return m_start[std::size_t(row - m_firstRow)]; }

        int m_firstRow;
        std::vector<int> m_start;
    };

} // namespace

std::vector<PixelRun> BandPixelRuns(const std::vector<BandSpan>& spans)
{
    std::vector<PixelRun> runs;
    std::vector<RowRange> rows;
    rows.reserve(spans.size());
    int firstRow = INT_MAX;
    int lastRow = INT_MIN;
    for (const BandSpan& span : spans) {
        rows.push_back(RowsOf(span));
        if (rows.back().First < rows.back().Last) {
            firstRow = std::min(firstRow, rows.back().First);
            lastRow = std::max(lastRow, rows.back().Last);
        }
    }
    if (firstRow >= lastRow)
        return runs;
    RowRuns open(firstRow, lastRow);
    // From the rows open before a column to those of the column: the rows of the one that are
    // not in the other close (at most two ranges), the rows of the other that were not open
    // open.
    RowRange before;
    int previousColumn = 0;
    const auto moveTo = [&](RowRange now, int column) {
        open.Close(before.First, std::min(before.Last, now.First), column, runs);
        open.Close(std::max(before.First, now.Last), before.Last, column, runs);
        open.Open(now.First, std::min(now.Last, before.First), column);
        open.Open(std::max(now.First, before.Last), now.Last, column);
        before = now;
    };
    for (std::size_t index = 0; index < spans.size(); ++index) {
        const double x = std::floor(spans[index].X);
        if (!(std::abs(x) < (1 << 30)))
            continue;
        const int column = int(x);
        if (index > 0 && column <= previousColumn)
            continue;
        if (index > 0 && column != previousColumn + 1)
            moveTo({}, previousColumn + 1);
        moveTo(rows[index], column);
        previousColumn = column;
    }
    moveTo({}, previousColumn + 1);
    return runs;
}

} // namespace graph
