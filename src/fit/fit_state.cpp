// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/fit_state.cpp: allocation and release of the working storage.
#include "fit/fit_state.h"

namespace fit {

void AllocateWorkingStorage(FitState& fit)
{
    fit.SolveMatrix.Allocate(MaxBasisFunctions, MaxBasisFunctions);
    fit.InverseMatrix.Allocate(MaxBasisFunctions, MaxBasisFunctions);
    fit.NormalMatrix.Allocate(MaxBasisFunctions, MaxBasisFunctions);
    fit.DesignTranspose.Allocate(MaxBasisFunctions, data::MaxPoints);
    fit.PseudoInverse.Allocate(MaxBasisFunctions, data::MaxPoints);
    fit.DesignMatrix.Allocate(data::MaxPoints, MaxBasisFunctions);
}

void ReleaseWorkingStorage(FitState& fit)
{
    fit.SolveMatrix.Release();
    fit.InverseMatrix.Release();
    fit.NormalMatrix.Release();
    fit.DesignTranspose.Release();
    fit.PseudoInverse.Release();
    fit.DesignMatrix.Release();
}

} // namespace fit
