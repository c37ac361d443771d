// SPDX-License-Identifier: GPL-3.0-or-later
// tests/cli/varnek_fit_test.cpp: the built varnek-fit on a data file, as a user runs it.
#include "cli/run_varnek_fit.h"
#include "common/number_reader.h"
#include "support/reference_set.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include <sys/stat.h>

using cli_test::Outcome;
using cli_test::RunVarnekFit;

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

TEST(VarnekFit, LoadsNoQtWithoutAGraph)
{
    // The dynamic loader names every library it loads on standard error.
    std::string arguments = "'";
    arguments += test_support::FixturePath("straight_line.dat");
    arguments += "'";
    const Outcome outcome = RunVarnekFit(arguments, "LD_DEBUG=libs");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.errors.find("calling init"), std::string::npos) << outcome.errors;
    EXPECT_EQ(outcome.errors.find("libQt"), std::string::npos) << outcome.errors;
}

TEST(VarnekFit, SaysWhenItCannotDrawTheGraph)
{
    // A varnek-fit on its own, without the plotting program beside it or installed.
    const std::string folder = cli_test::TemporaryPath("_alone");
    std::filesystem::create_directory(folder);
    const std::string program = folder + "/varnek-fit";
    std::filesystem::copy_file(cli_test::VarnekFitPath(), program);
    std::string arguments = "--plot '";
    arguments += folder;
    arguments += "/graph.png' '";
    arguments += test_support::FixturePath("straight_line.dat");
    arguments += "'";
    const Outcome outcome = cli_test::RunProgram(program, arguments);
    const bool drawn = std::filesystem::exists(folder + "/graph.png");
    std::filesystem::remove_all(folder);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors,
        "varnek-fit: cannot draw the graph without varnek-fit-plot, which is not installed.\n");
    EXPECT_NE(outcome.out.find("A(1) = 0.6 +/- 0.4  YUnits/XUnits"), std::string::npos);
    EXPECT_FALSE(drawn);
}

TEST(VarnekFit, ReportsAFileThatCannotBeOpened)
{
    const Outcome outcome = RunVarnekFit("/nonexistent/run.dat");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.errors,
        "Cannot open file /nonexistent/run.dat: " + std::string(std::strerror(ENOENT)) + ".\n");
}

TEST(VarnekFit, ReadsAFileWithAByteOrderMarkAsOpenDoes)
{
    // Open leaves a leading UTF-8 byte order mark out of the data pane.
    const std::string path = cli_test::TemporaryPath(".dat");
    {
        std::ofstream file(path, std::ios::binary);
        file << "\xEF\xBB\xBF"
                "1 1\r\n2 2\r\n3 2\r\n4 3\r\n";
    }
    const Outcome outcome = RunVarnekFit("'" + path + "'");
    std::remove(path.c_str());
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "");
    EXPECT_EQ(outcome.out,
        "Fitting constants of least squares fit:\n"
        "\n"
        "A(0) = 1 +/- 1  YUnits\n"
        "A(1) = 0.6 +/- 0.4  YUnits/XUnits\n");
}

TEST(VarnekFit, ReportsAFolderAsAFileThatCannotBeOpened)
{
    const std::string path = cli_test::TemporaryPath("_folder");
    std::filesystem::create_directory(path);
    const Outcome outcome = RunVarnekFit("'" + path + "'");
    std::filesystem::remove(path);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.errors, "Cannot open file " + path + ": " + std::strerror(EISDIR) + ".\n");
}

TEST(VarnekFit, RefusesWhatItCannotRead)
{
    const std::string binary = cli_test::TemporaryPath(".dat");
    {
        std::ofstream file(binary, std::ios::binary);
        file << std::string_view("1 2\r\n3\0 4\r\n", 11);
    }
    const std::string fifo = cli_test::TemporaryPath(".fifo");
    ::mkfifo(fifo.c_str(), 0644);
    const std::string TooLong = "Text exceeds memo capacity.\nIt holds more than 16 MiB; at most "
                                "16 MiB of text is read.\n";
    const struct {
        const char* name;
        std::string arguments;
        std::string errors;
    } cases[] = {
        { "a zero byte", "'" + binary + "'",
            "The file is not a text file: it holds a character of code 0.\n" },
        // Read no further than the capacity allows, however long the input.
        { "endless standard input", "- < /dev/zero", TooLong },
        // Neither waited for nor read for ever, as the window's Open refuses them.
        { "a device", "/dev/zero", "Cannot open file /dev/zero.\nIt is not a regular file.\n" },
        { "a FIFO", "'" + fifo + "'",
            "Cannot open file " + fifo + ".\nIt is not a regular file.\n" },
        { "an empty file name", "''", "Cannot open file: the file name is empty.\n" },
        // Not an empty data file.
        { "closed standard input", "- <&-", "Cannot read standard input.\n" },
        { "a folder as standard input", "- < /", "Cannot read standard input.\n" },
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.name);
        const Outcome outcome = RunVarnekFit(refused.arguments);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.errors, refused.errors);
    }
    std::remove(binary.c_str());
    std::remove(fifo.c_str());
}

TEST(VarnekFit, SaysWhenTheReportCannotBeWritten)
{
    // Through a shell of its own, whose standard output is the full device.
    std::string script = "-c \"exec '";
    script += cli_test::VarnekFitPath();
    script += "' '";
    script += test_support::FixturePath("straight_line.dat");
    script += "' > /dev/full\"";
    const Outcome outcome = cli_test::RunProgram("/bin/sh", script);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors, "Cannot write the report.\n");
}

TEST(VarnekFit, FitsTheCertifiedFilipSetToFourteenDigits)
{
    // Order 10 on 82 points: the normal equations lose far more than Extended's 64 bits.
    const test_support::ReferenceSet set
        = test_support::LoadReferenceSet(test_support::FixturePath("nist/Filip.dat"));
    const std::string path = cli_test::TemporaryPath(".dat");
    {
        std::ofstream file(path, std::ios::binary);
        for (std::size_t index = 0; index < set.x.size(); ++index) {
            char buffer[128];
            char* end = std::to_chars(buffer, buffer + 60, set.x[index]).ptr;
            *end++ = ' ';
            end = std::to_chars(end, buffer + sizeof buffer, set.y[index]).ptr;
            file << std::string_view(buffer, end - buffer) << '\n';
        }
    }
    const Outcome outcome = RunVarnekFit("--type poly --order 10 --full-precision '" + path + "'");
    std::remove(path.c_str());
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    // The last eleven lines: name, value and uncertainty, tab-separated. The uncertainty is
    // twice the standard error with the divisor n - m - 1 rather than n - m.
    std::istringstream lines(outcome.out.substr(outcome.out.find("A(0)\t")));
    const int divisor = static_cast<int>(set.x.size()) - 12;
    const common::Extended divisorRatio
        = std::sqrt(common::Extended(divisor) / set.residualDegreesOfFreedom);
    for (std::size_t estimate = 0; estimate < set.estimates.size(); ++estimate) {
        SCOPED_TRACE(estimate);
        std::string name;
        std::string value;
        std::string uncertainty;
        std::getline(lines, name, '\t');
        std::getline(lines, value, '\t');
        std::getline(lines, uncertainty);
        EXPECT_TRUE(
            test_support::IsNear(*common::ReadNumber(value, "."), set.estimates[estimate], 1e-14L));
        EXPECT_TRUE(test_support::IsNear(*common::ReadNumber(uncertainty, ".") / 2 * divisorRatio,
            set.standardDeviations[estimate], 1e-14L));
    }
}

TEST(VarnekFit, FitsATableAsItFitsTheSamePairs)
{
    // A spreadsheet's export: header, the x and y of the plain file in columns 1 and 3, and
    // twelve rows that give no point, the first ten named and the rest counted.
    const std::string plain = cli_test::TemporaryPath(".dat");
    const std::string table = cli_test::TemporaryPath(".csv");
    {
        std::ofstream plainFile(plain, std::ios::binary);
        std::ofstream tableFile(table, std::ios::binary);
        tableFile << "\"time\",temp,dist\r\n";
        for (int row = 0; row < 20; ++row) {
            const std::string x = std::to_string(row) + ".5";
            const std::string y = std::to_string(3 * row + row % 3) + ".25";
            plainFile << x << ' ' << y << '\n';
            tableFile << x << ",20," << y << "\r\n";
            if (row < 12)
                tableFile << row << ",20,-\r\n";
        }
    }
    const Outcome reference = RunVarnekFit("--full-precision '" + plain + "'");
    const Outcome outcome = RunVarnekFit("--columns time,dist --full-precision '" + table + "'");
    std::remove(plain.c_str());
    std::remove(table.c_str());
    EXPECT_EQ(reference.status, 0);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, reference.out);
    std::string errors;
    for (int row = 0; row < 10; ++row)
        errors += "Row " + std::to_string(3 + 2 * row) + " is left out: not a number: '-'.\n";
    errors += "2 more rows are left out.\n";
    EXPECT_EQ(outcome.errors, errors);
}

TEST(VarnekFit, FitsEveryPointWhenAsked)
{
    const std::string path = cli_test::TemporaryPath(".dat");
    {
        std::ofstream file(path, std::ios::binary);
        for (int point = 1; point <= 1000; ++point)
            file << point << ' ' << 2 * point + point % 7 << "\r\n";
    }
    const Outcome first = RunVarnekFit("--stats '" + path + "'");
    const Outcome every = RunVarnekFit("--stats --all-points '" + path + "'");
    std::remove(path.c_str());
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.errors,
        "Only the first 600 points are used.\n"
        "The data go on after line 600; --all-points fits every point.\n");
    EXPECT_NE(first.out.find("points used\t600\n"), std::string::npos) << first.out;
    EXPECT_EQ(every.status, 0);
    EXPECT_EQ(every.errors, "");
    EXPECT_NE(every.out.find("points used\t1000\n"), std::string::npos) << every.out;
}
