// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/reference_set.h: certified linear regression sets and the test fixture folder.
#pragma once

#include "common/extended.h"

#include <string>
#include <vector>

namespace test_support {

// The path of a file under tests/fixtures.
std::string FixturePath(const std::string& name);

// A certified set: the observations and the certified values, in the order of the file.
struct ReferenceSet {
    std::vector<common::Extended> x;
    std::vector<common::Extended> y;
    std::vector<common::Extended> estimates; // B0, B1, ... (B1 alone for a line through 0)
    std::vector<common::Extended> standardDeviations; // of the estimates
    common::Extended residualSumOfSquares = 0;
    int residualDegreesOfFreedom = 0;
    common::Extended residualStandardDeviation = 0;
    common::Extended rSquared = 0;
};

// Loads a certified set in the format of the reference files (columns y and x). Fails the
// calling test (ADD_FAILURE) and returns what it found when the file cannot be read.
ReferenceSet LoadReferenceSet(const std::string& path);

} // namespace test_support
