// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/tolerance.cpp: the relative comparison with its special case for an expected 0.
#include "support/tolerance.h"

#include <cmath>
#include <iomanip>

namespace test_support {

::testing::AssertionResult IsNear(
    common::Extended actual, common::Extended expected, common::Extended relativeTolerance)
{
    const common::Extended bound
        = expected == 0 ? relativeTolerance : relativeTolerance * std::fabs(expected);
    if (std::fabs(actual - expected) <= bound)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::setprecision(21) << actual << " differs from "
                                         << expected << " by more than " << bound;
}

} // namespace test_support
