// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/square_matrix.h: a system matrix of at most MaxBasisFunctions rows held by value,
// indexed from 1.
#pragma once

#include "fit/fit_state.h"

#include <array>
#include <cassert>

namespace fit {

template <typename Real> class SquareMatrix {
public:
    Real& operator()(int row, int column)
    {
        assert(row >= 1 && row <= MaxBasisFunctions && column >= 1 && column <= MaxBasisFunctions);
        return m_values[(row - 1) * MaxBasisFunctions + column - 1];
    }
    const Real& operator()(int row, int column) const
    {
        assert(row >= 1 && row <= MaxBasisFunctions && column >= 1 && column <= MaxBasisFunctions);
        return m_values[(row - 1) * MaxBasisFunctions + column - 1];
    }

private:
    std::array<Real, MaxBasisFunctions * MaxBasisFunctions> m_values {};
};

} // namespace fit
