// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/invert_matrix.cpp: column-by-column inversion with scaled partial pivoting, in Extended.
#include "fit/invert_matrix.h"

#include "fit/elimination.h"
#include "fit/singular_system.h"

#include "common/failure.h"

#include <algorithm>

namespace fit {

namespace {

    void CopyBlock(const WorkingMatrix& from, WorkingMatrix& to, int size)
    {
        for (int row = 1; row <= size; ++row)
            for (int column = 1; column <= size; ++column)
                to(row, column) = from(row, column);
    }

    // Puts the saved matrix back into SolveMatrix however the call ends.
    class RestoreOnExit {
    public:
        RestoreOnExit(const WorkingMatrix& saved, WorkingMatrix& target, int size)
            : m_saved(saved)
            , m_target(target)
            , m_size(size)
        {
        }
        ~RestoreOnExit() { CopyBlock(m_saved, m_target, m_size); }
        RestoreOnExit(const RestoreOnExit&) = delete;
        RestoreOnExit& operator=(const RestoreOnExit&) = delete;

    private:
        const WorkingMatrix& m_saved;
        WorkingMatrix& m_target;
        int m_size;
    };

} // namespace

void InvertMatrix(FitState& fit)
{
    const int size = fit.SystemSize;

    // 16 rows of 16 values, taken and released by every call whatever the size.
    WorkingMatrix saved;
    saved.Allocate(MaxBasisFunctions, MaxBasisFunctions);
    CopyBlock(fit.SolveMatrix, saved, size);
    const RestoreOnExit restore(saved, fit.SolveMatrix, size);

    InvertEliminating<Extended, ExtendedSteps>(fit.SolveMatrix, size, fit.InverseMatrix);
}

std::vector<int> EliminationPivotRows(const WorkingMatrix& matrix, int size)
{
    WorkingMatrix working;
    working.Allocate(MaxBasisFunctions, MaxBasisFunctions);
    CopyBlock(matrix, working, size);
    SystemVector<Extended> scales {};
    PivotRows pivotRows {};
    RowScales<Extended, ExtendedSteps>(working, size, scales);
    Eliminate<Extended, ExtendedSteps>(working, size, scales, pivotRows);
    return std::vector<int>(pivotRows.begin(), pivotRows.begin() + std::max(size, 1));
}

bool InvertNormalMatrix(FitState& fit, int basisCount)
{
    fit.SystemSize = basisCount;
    for (int row = 1; row <= basisCount; ++row)
        for (int column = 1; column <= basisCount; ++column)
            fit.SolveMatrix(row, column) = fit.NormalMatrix(row, column);
    try {
        InvertMatrix(fit);
    } catch (const SingularSystem&) {
        return false;
    } catch (const common::FloatingPointError&) {
        return false;
    }
    return true;
}

} // namespace fit
