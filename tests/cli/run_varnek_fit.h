// SPDX-License-Identifier: GPL-3.0-or-later
// tests/cli/run_varnek_fit.h: runs the built varnek-fit as a user does, in a shell.
#pragma once

#include <string>
#include <string_view>

namespace cli_test {

struct Outcome {
    int status = -1;
    std::string out;
    std::string errors;
};

// Runs "environment varnek-fit arguments" through the shell (arguments are shell words: quote
// paths) and collects its exit status, standard output and standard error.
Outcome RunVarnekFit(std::string_view arguments, std::string_view environment = {});

// The same with the program at path.
Outcome RunProgram(
    const std::string& path, std::string_view arguments, std::string_view environment = {});

// The path of the built varnek-fit.
std::string VarnekFitPath();

// A path in the test's temporary folder unique to this test and process, ending in suffix.
std::string TemporaryPath(std::string_view suffix);

// The whole content of a file, empty when it cannot be read.
std::string ReadFile(const std::string& path);

} // namespace cli_test
