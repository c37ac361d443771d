// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/exact_least_squares.h: the exact least-squares polynomial of the data as read,
// worked out in rational arithmetic, as the reference of the fits that need more than Extended.
#pragma once

#include "support/points.h"

#include <functional>
#include <vector>

namespace test_support {

struct ExactFit {
    std::vector<common::Extended> constants; // A(0), A(1), ..., 0 first when forced
    std::vector<common::Extended>
        uncertainties; // by the rule of the report; none for a forced A(0)
    common::Extended residualSum = 0; // in y's own units
    common::Extended residualDeviation = 0; // sqrt(R / (n - p)), p the constants fitted
    common::Extended rSquared = 0; // 1 - R / S, S about the mean (about 0 when forced)
    // What the bands scale: s^2 = R / (n - p), p the basis functions, and f(x)^T (X^T X)^-1 f(x)
    // at any x, f the basis functions at x, each the Extended nearest the exact value.
    common::Extended residualVariance = 0;
    std::function<common::Extended(common::Extended x)> leverage;
};

// The least-squares polynomial of the given order through points by Gauss-Jordan elimination
// on the exact normal equations, each value the Extended nearest the exact one, and the
// uncertainties 2 sqrt(R / (n - m - 1) V_kk) (NaN where n - m - 1 < 1), and what the bands scale.
ExactFit ExactLeastSquares(const std::vector<Point>& points, int order, bool zeroForce);

} // namespace test_support
