// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/reference_set.cpp: reading the certified values and data of a reference set.
#include "support/reference_set.h"

#include "common/number_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>

namespace test_support {

namespace {

    std::optional<common::Extended> Number(const std::string& token)
    {
        return common::ReadNumber(token, ".");
    }

    std::vector<std::string> Tokens(const std::string& line)
    {
        std::istringstream stream(line);
        std::vector<std::string> tokens;
        std::string token;
        while (stream >> token)
            tokens.push_back(token);
        return tokens;
    }

} // namespace

std::string FixturePath(const std::string& name)
{
    std::string path = VARNEK_FIXTURES_DIR;
    path += '/';
    path += name;
    return path;
}

ReferenceSet LoadReferenceSet(const std::string& path)
{
    ReferenceSet set;
    std::ifstream file(path);
    if (!file) {
        ADD_FAILURE() << "cannot open " << path;
        return set;
    }
    bool inData = false;
    std::string line;
    while (std::getline(file, line)) {
        const std::vector<std::string> tokens = Tokens(line);
        if (tokens.empty())
            continue;
        if (inData) {
            if (tokens.size() == 2 && Number(tokens[0]) && Number(tokens[1])) {
                set.y.push_back(*Number(tokens[0]));
                set.x.push_back(*Number(tokens[1]));
            }
            continue;
        }
        // "Data:       y          x" opens the observations.
        if (tokens.size() == 3 && tokens[0] == "Data:" && tokens[1] == "y" && tokens[2] == "x") {
            inData = true;
            continue;
        }
        // "B0   estimate   standard deviation"
        if (tokens.size() == 3 && tokens[0].size() >= 2 && tokens[0][0] == 'B' && Number(tokens[1])
            && Number(tokens[2])) {
            set.estimates.push_back(*Number(tokens[1]));
            set.standardDeviations.push_back(*Number(tokens[2]));
            continue;
        }
        // "Standard Deviation   value" under "Residual", and "R-Squared   value".
        if (tokens.size() == 3 && tokens[0] == "Standard" && tokens[1] == "Deviation"
            && Number(tokens[2])) {
            set.residualStandardDeviation = *Number(tokens[2]);
            continue;
        }
        if (tokens.size() == 2 && tokens[0] == "R-Squared" && Number(tokens[1])) {
            set.rSquared = *Number(tokens[1]);
            continue;
        }
        // "Residual   df   sum of squares   mean square" of the analysis of variance.
        if (tokens.size() == 4 && tokens[0] == "Residual" && Number(tokens[2])) {
            set.residualDegreesOfFreedom = std::stoi(tokens[1]);
            set.residualSumOfSquares = *Number(tokens[2]);
        }
    }
    return set;
}

} // namespace test_support
