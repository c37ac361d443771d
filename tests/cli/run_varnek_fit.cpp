// SPDX-License-Identifier: GPL-3.0-or-later
// tests/cli/run_varnek_fit.cpp: the built varnek-fit run through the shell, with its output caught.
#include "cli/run_varnek_fit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace cli_test {

std::string TemporaryPath(std::string_view suffix)
{
    // Files of their own for every test process: ctest runs tests side by side.
    std::string path = ::testing::TempDir();
    path += "varnek_fit_";
    path += ::testing::UnitTest::GetInstance()->current_test_info()->name();
    path += '_';
    path += std::to_string(getpid());
    path += suffix;
    return path;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string VarnekFitPath() { return VARNEK_FIT_EXECUTABLE; }

Outcome RunVarnekFit(std::string_view arguments, std::string_view environment)
{
    return RunProgram(VarnekFitPath(), arguments, environment);
}

Outcome RunProgram(
    const std::string& path, std::string_view arguments, std::string_view environment)
{
    const std::string outPath = TemporaryPath("_out.txt");
    const std::string errorPath = TemporaryPath("_errors.txt");
    std::string command(environment);
    command += " '";
    command += path;
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

} // namespace cli_test
