// src/fit/invert_matrix.cpp: column-by-column inversion with scaled partial pivoting, in Extended.
#include "fit/invert_matrix.h"

#include "common/floating_point_step.h"
#include "fit/singular_system.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace fit {

namespace {

    // Vectors of the call, indexed from 1 like the matrix.
    using Vector = std::array<Extended, MaxBasisFunctions + 1>;
    using PivotRows = std::array<int, MaxBasisFunctions + 1>;

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

    // Largest |a_ij| of each row, taken from the matrix as it stands before elimination. The
    // scales stay with the positions: later swaps do not move them.
    void RowScales(const WorkingMatrix& a, int size, Vector& scales)
    {
        for (int row = 1; row <= size; ++row) {
            Extended largest = 0;
            for (int column = 1; column <= size; ++column)
                if (std::fabs(a(row, column)) > largest)
                    largest = std::fabs(a(row, column));
            scales[row] = largest;
        }
    }

    // Forward elimination in place: multipliers are stored where they were computed, swaps of
    // step j touch columns j..size only. Records the pivot row of each step.
    void Eliminate(WorkingMatrix& a, int size, const Vector& scales, Vector& largestCandidates,
        PivotRows& pivotRows)
    {
        for (int step = 1; step <= size - 1; ++step) {
            common::ClearFloatingPointFlags();
            // The first row with the largest scaled candidate: a later row wins only when its
            // candidate is strictly greater.
            Extended largest = 0;
            int pivot = step;
            for (int row = step; row <= size; ++row) {
                const Extended candidate = std::fabs(a(row, step) / scales[row]);
                if (candidate > largest) {
                    largest = candidate;
                    pivot = row;
                }
            }
            // A row of zeros gives the candidate 0/0: an invalid operation, reported as such.
            common::EndFloatingPointStep(largest);
            if (largest == 0)
                throw SingularSystem();
            largestCandidates[step] = largest;
            pivotRows[step] = pivot;

            if (pivot != step)
                for (int column = step; column <= size; ++column)
                    std::swap(a(step, column), a(pivot, column));
            for (int row = step + 1; row <= size; ++row) {
                const Extended multiplier = a(row, step) / a(step, step);
                a(row, step) = multiplier;
                for (int column = step + 1; column <= size; ++column)
                    a(row, column) = a(row, column) - multiplier * a(step, column);
            }
            common::CheckFloatingPointFlags();
        }
    }

    // Applies the recorded swaps and eliminations to b in the order of the steps, then solves
    // the upper triangle from the last row up; each sum runs in increasing column.
    void Solve(const WorkingMatrix& a, int size, const PivotRows& pivotRows, Vector& b)
    {
        common::ClearFloatingPointFlags();
        for (int step = 1; step <= size - 1; ++step) {
            if (pivotRows[step] != step)
                std::swap(b[step], b[pivotRows[step]]);
            for (int row = step + 1; row <= size; ++row)
                b[row] = b[row] - a(row, step) * b[step];
        }
        common::EndFloatingPointStep(b);

        b[size] = b[size] / a(size, size);
        for (int row = size - 1; row >= 1; --row) {
            Extended sum = 0;
            for (int column = row + 1; column <= size; ++column)
                sum = sum + a(row, column) * b[column];
            b[row] = (b[row] - sum) / a(row, row);
        }
        // A zero last pivot divides by zero here.
        common::EndFloatingPointStep(b);
    }

} // namespace

void InvertMatrix(FitState& fit)
{
    const int size = fit.SystemSize;

    // 16 rows of 16 values, taken and released by every call whatever the size.
    WorkingMatrix saved;
    saved.Allocate(MaxBasisFunctions, MaxBasisFunctions);
    Vector b {};
    Vector scales {};
    Vector largestCandidates {};
    PivotRows pivotRows {};

    CopyBlock(fit.SolveMatrix, saved, size);
    const RestoreOnExit restore(saved, fit.SolveMatrix, size);

    // The elimination is redone from the restored matrix for every column, so every column
    // sees the same factors and pivot rows.
    for (int column = 1; column <= size; ++column) {
        CopyBlock(saved, fit.SolveMatrix, size);
        b.fill(0);
        b[column] = 1;
        RowScales(fit.SolveMatrix, size, scales);
        Eliminate(fit.SolveMatrix, size, scales, largestCandidates, pivotRows);
        Solve(fit.SolveMatrix, size, pivotRows, b);
        for (int row = 1; row <= size; ++row)
            fit.InverseMatrix(row, column) = b[row];
    }
}

std::vector<int> EliminationPivotRows(const WorkingMatrix& matrix, int size)
{
    WorkingMatrix working;
    working.Allocate(MaxBasisFunctions, MaxBasisFunctions);
    CopyBlock(matrix, working, size);
    Vector scales {};
    Vector largestCandidates {};
    PivotRows pivotRows {};
    RowScales(working, size, scales);
    Eliminate(working, size, scales, largestCandidates, pivotRows);
    return std::vector<int>(pivotRows.begin(), pivotRows.begin() + std::max(size, 1));
}

} // namespace fit
