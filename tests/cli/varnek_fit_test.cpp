// tests/cli/varnek_fit_test.cpp: the built varnek-fit on a data file, as a user runs it.
#include "support/reference_set.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string errors;
};

Outcome RunVarnekFit(const std::string& arguments)
{
    // Files of their own for every test process: ctest runs tests side by side.
    std::string stem = ::testing::TempDir();
    stem += "varnek_fit_";
    stem += ::testing::UnitTest::GetInstance()->current_test_info()->name();
    stem += '_';
    stem += std::to_string(getpid());
    const std::string outPath = stem + "_out.txt";
    const std::string errorPath = stem + "_errors.txt";
    std::string command = "'";
    command += VARNEK_FIT_EXECUTABLE;
    command += "' ";
    command += arguments;
    command += " >'";
    command += outPath;
    command += "' 2>'";
    command += errorPath;
    command += "'";
    const int result = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    outcome.out = ReadFile(outPath);
    outcome.errors = ReadFile(errorPath);
    std::remove(outPath.c_str());
    std::remove(errorPath.c_str());
    return outcome;
}

} // namespace

TEST(VarnekFit, FitsADataFile)
{
    // Four points saved with CR LF: the normal matrix [[4, 10], [10, 30]].
    std::string arguments = "--x-units s --y-units m --extra-digit '";
    arguments += test_support::FixturePath("straight_line.dat");
    arguments += "'";
    const Outcome outcome = RunVarnekFit(arguments);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "");
    EXPECT_EQ(outcome.out,
        "Fitting constants of least squares fit:\n"
        "\n"
        "A(0) = 0.50 +/- 1.10  m\n"
        "A(1) = 0.60 +/- 0.40  m/s\n");
}

TEST(VarnekFit, ReportsAFileThatCannotBeOpened)
{
    const Outcome outcome = RunVarnekFit("/nonexistent/run.dat");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.errors, "Cannot open file /nonexistent/run.dat.\n");
}
