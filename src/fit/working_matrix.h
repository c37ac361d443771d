// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/working_matrix.h: a matrix of separately allocated row blocks, indexed from 1.
#pragma once

#include "common/extended.h"

#include <cassert>
#include <memory>
#include <vector>

namespace fit {

using common::Extended;

// Rows are allocated once (Allocate) and released once (Release); element (r, c) is value c of
// the block of row r, both counted from 1.
class WorkingMatrix {
public:
    void Allocate(int rows, int columns)
    {
        m_columns = columns;
        m_rows.clear();
        m_rows.reserve(rows);
        for (int row = 0; row < rows; ++row)
            m_rows.push_back(std::make_unique<Extended[]>(columns));
    }
    void Release() { m_rows.clear(); }
    bool IsAllocated() const { return !m_rows.empty(); }
    int Rows() const { return static_cast<int>(m_rows.size()); }
    int Columns() const { return m_columns; }

    Extended& operator()(int row, int column)
    {
        assert(row >= 1 && row <= Rows() && column >= 1 && column <= m_columns);
        return m_rows[row - 1][column - 1];
    }
    Extended operator()(int row, int column) const
    {
        assert(row >= 1 && row <= Rows() && column >= 1 && column <= m_columns);
        return m_rows[row - 1][column - 1];
    }

private:
    std::vector<std::unique_ptr<Extended[]>> m_rows;
    int m_columns = 0;
};

} // namespace fit
