// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/tolerance.h: comparison of computed values with expected ones within a relative
// tolerance.
#pragma once

#include "common/extended.h"

#include <gtest/gtest.h>

namespace test_support {

// Passes when |actual - expected| <= relativeTolerance * |expected|; an expected 0 is compared
// with relativeTolerance as an absolute bound instead.
::testing::AssertionResult IsNear(
    common::Extended actual, common::Extended expected, common::Extended relativeTolerance);

} // namespace test_support
