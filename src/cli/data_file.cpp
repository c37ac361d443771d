// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/data_file.cpp: a data file's bytes, or standard input's, as the pane's text.
#include "cli/data_file.h"

#include "common/failure.h"
#include "common/same_file.h"
#include "data/data_file_reading.h"
#include "data/data_text_file.h"

#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace cli {

namespace {

    // A closed or failing standard input must not read as an empty data file. std::cin reads
    // through stdin, which keeps the error of a failed read.
    std::string ReadStandardInput(std::size_t capacity)
    {
        const common::Failure cannotRead("Cannot read standard input");
        if (::fcntl(STDIN_FILENO, F_GETFD) == -1)
            throw cannotRead;
        std::clearerr(stdin);
        std::string bytes = data::ReadDataFileBytes(std::cin, capacity);
        if (std::ferror(stdin) || std::cin.bad())
            throw cannotRead;
        return bytes;
    }

} // namespace

std::string ReadDataText(const std::string& fileName)
{
    return data::PaneTextFromFileBytes(ReadDataBytes(fileName, data::MemoCapacity)).Text;
}

std::string ReadDataBytes(const std::string& fileName, std::size_t capacity)
{
    return fileName == "-" ? ReadStandardInput(capacity)
                           : data::ReadDataFileBytes(fileName, capacity);
}

bool IsDataFile(const std::string& fileName, const std::string& dataFileName)
{
    return dataFileName != "-" && common::IsSameFile(fileName, dataFileName);
}

} // namespace cli
