// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/invert_matrix.h: inverse of the system matrix by Gaussian elimination with scaled
// pivoting.
#pragma once

#include "fit/fit_state.h"
#include "fit/working_matrix.h"

#include <vector>

namespace fit {

// Writes the inverse of the SystemSize x SystemSize SolveMatrix (rows and columns from 1) into
// the leading block of InverseMatrix, one column of the identity at a time, and leaves
// SolveMatrix as it was on entry. SystemSize < 1 leaves InverseMatrix untouched.
// Throws SingularSystem when an elimination step has no non-zero pivot candidate, and
// common::FloatingPointError at the first step that faults (a zero row, a zero last pivot);
// the columns of InverseMatrix written before stay written, SolveMatrix is restored.
void InvertMatrix(FitState& fit);

// Copies the leading basisCount block of NormalMatrix into SolveMatrix, sets SystemSize and
// inverts it into InverseMatrix; false where it has no Extended inverse (a singular system or
// a step that faults).
bool InvertNormalMatrix(FitState& fit, int basisCount);

// The pivot row that each elimination step 1..size-1 of InvertMatrix chooses for the leading
// size x size block of matrix (element 0 unused). Throws like InvertMatrix.
std::vector<int> EliminationPivotRows(const WorkingMatrix& matrix, int size);

} // namespace fit
