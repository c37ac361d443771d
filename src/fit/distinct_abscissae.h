// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/distinct_abscissae.h: whether the points hold enough distinct x for the chosen fit.
#pragma once

#include "data/point_store.h"
#include "fit/fit_state.h"

namespace fit {

// True when points 1..PointCount give the normal matrix of the chosen fit an inverse, decided
// exactly on the values as read: a straight line or polynomial needs as many distinct x as
// basis functions (distinct non-zero x when forced through the origin), a power law two
// distinct |x|, an exponential two distinct x. -0 and 0 are the same value.
bool HasEnoughDistinctX(const data::PointStore& points, const FitState& fit);

} // namespace fit
