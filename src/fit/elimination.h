// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/elimination.h: Gaussian elimination with scaled partial pivoting and the inverse it
// gives, written once for Extended and for the wide type.
#pragma once

#include "common/floating_point_step.h"
#include "fit/fit_state.h"
#include "fit/singular_system.h"

#include <array>
#include <cmath>
#include <utility>

namespace fit {

// Vectors of a system, indexed from 1 like its matrix.
template <typename Real> using SystemVector = std::array<Real, MaxBasisFunctions + 1>;
using PivotRows = std::array<int, MaxBasisFunctions + 1>;

// The arithmetic of an elimination, in place and one rounding a step (product := x y, then
// target -= product), so Extended rounds exactly as the plain expressions would; a type may
// bring quicker steps of its own that round the same.
template <typename Real> struct RoundedSteps {
    static void SetMagnitude(Real& value)
    {
        using std::abs;
        value = abs(value);
    }
    static void SubtractProduct(Real& target, const Real& x, const Real& y, Real& product)
    {
        product = x;
        product *= y;
        target -= product;
    }
    static void AddProduct(Real& target, const Real& x, const Real& y, Real& product)
    {
        product = x;
        product *= y;
        target += product;
    }
};

// The checks of an elimination in Extended: the floating-point flags, cleared by Begin before a
// step's arithmetic; End(value) makes value complete and throws the fault the step raised.
struct ExtendedSteps : RoundedSteps<Extended> {
    static void Begin() { common::ClearFloatingPointFlags(); }
    template <typename Value> static void End(Value& value) { common::EndFloatingPointStep(value); }
    static void Check() { common::CheckFloatingPointFlags(); }
};

// The checks of an elimination in a type whose arithmetic raises no failure: a value that is not
// finite, like a zero pivot, says the system has no inverse at this precision.
template <typename Real> struct FiniteSteps : RoundedSteps<Real> {
    static void Begin() { }
    static void End(const Real& value)
    {
        using std::isfinite;
        if (!isfinite(value))
            throw SingularSystem();
    }
    static void End(const SystemVector<Real>& values)
    {
        for (const Real& value : values)
            End(value);
    }
    static void Check() { }
};

// Largest |a_ij| of each row of the leading size x size block, before elimination. The scales
// stay with the positions: later swaps do not move them.
template <typename Real, typename Steps, typename Matrix>
void RowScales(const Matrix& a, int size, SystemVector<Real>& scales)
{
    Real magnitude;
    for (int row = 1; row <= size; ++row) {
        Real largest = 0;
        for (int column = 1; column <= size; ++column) {
            magnitude = a(row, column);
            Steps::SetMagnitude(magnitude);
            if (magnitude > largest)
                largest = magnitude;
        }
        scales[row] = largest;
    }
}

// Forward elimination in place: multipliers are stored where they were computed, the swaps of
// step j touch columns j..size only. Records the pivot row of each step 1..size-1. Throws
// SingularSystem when a step has no non-zero candidate, and what Steps throws at a fault.
template <typename Real, typename Steps, typename Matrix>
void Eliminate(Matrix& a, int size, const SystemVector<Real>& scales, PivotRows& pivotRows)
{
    Real candidate;
    Real product;
    for (int step = 1; step <= size - 1; ++step) {
        Steps::Begin();
        // The first row with the largest scaled candidate: a later row wins only when its
        // candidate is strictly greater.
        Real largest = 0;
        int pivot = step;
        for (int row = step; row <= size; ++row) {
            candidate = a(row, step);
            candidate /= scales[row];
            Steps::SetMagnitude(candidate);
            if (candidate > largest) {
                largest = candidate;
                pivot = row;
            }
        }
        // A row of zeros gives the candidate 0/0: an invalid operation, reported as such.
        Steps::End(largest);
        if (largest == 0)
            throw SingularSystem();
        pivotRows[step] = pivot;

        if (pivot != step)
            for (int column = step; column <= size; ++column)
                std::swap(a(step, column), a(pivot, column));
        for (int row = step + 1; row <= size; ++row) {
            a(row, step) /= a(step, step);
            for (int column = step + 1; column <= size; ++column)
                Steps::SubtractProduct(a(row, column), a(row, step), a(step, column), product);
        }
        Steps::Check();
    }
}

// Applies the recorded swaps and eliminations to b in the order of the steps, then solves the
// upper triangle from the last row up; each sum runs in increasing column. A zero of b (never
// -0 here) takes nothing from any entry and adds nothing to any sum, so its products are left
// out: the unit vectors of an inverse are mostly zeros.
template <typename Real, typename Steps, typename Matrix>
void Solve(const Matrix& a, int size, const PivotRows& pivotRows, SystemVector<Real>& b)
{
    Real product;
    Steps::Begin();
    for (int step = 1; step <= size - 1; ++step) {
        if (pivotRows[step] != step)
            std::swap(b[step], b[pivotRows[step]]);
        if (b[step] == 0)
            continue;
        for (int row = step + 1; row <= size; ++row)
            Steps::SubtractProduct(b[row], a(row, step), b[step], product);
    }
    Steps::End(b);

    b[size] /= a(size, size);
    Real sum;
    for (int row = size - 1; row >= 1; --row) {
        sum = 0;
        for (int column = row + 1; column <= size; ++column) {
            if (b[column] != 0)
                Steps::AddProduct(sum, a(row, column), b[column], product);
        }
        b[row] -= sum;
        b[row] /= a(row, row);
    }
    // A zero last pivot divides by zero here.
    Steps::End(b);
}

// Writes the inverse of the leading size x size block of a into inverse, one column of the
// identity at a time, and leaves the elimination in a. The elimination does not depend on the
// column, so made once it gives every column the factors and pivot rows it would get made
// afresh. Throws like Eliminate and Solve; the columns written before a fault stay written.
template <typename Real, typename Steps, typename Matrix, typename Inverse>
void InvertEliminating(Matrix& a, int size, Inverse& inverse)
{
    SystemVector<Real> scales {};
    PivotRows pivotRows {};
    RowScales<Real, Steps>(a, size, scales);
    Eliminate<Real, Steps>(a, size, scales, pivotRows);
    SystemVector<Real> b {};
    for (int column = 1; column <= size; ++column) {
        for (Real& value : b)
            value = 0;
        b[column] = 1;
        Solve<Real, Steps>(a, size, pivotRows, b);
        for (int row = 1; row <= size; ++row)
            inverse(row, column) = b[row];
    }
}

} // namespace fit
