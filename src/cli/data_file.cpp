// src/cli/data_file.cpp: a data file's bytes, or standard input's, as the pane's text.
#include "cli/data_file.h"

#include "common/failure.h"
#include "common/safe_file_write.h"
#include "data/data_text_file.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <ios>
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

    std::string ReadFile(const std::string& fileName, std::size_t capacity)
    {
        const common::Failure cannotOpen("Cannot open file " + common::FullPath(fileName));
        std::ifstream file(fileName, std::ios::binary);
        if (!file)
            throw cannotOpen;
        // The file buffer throws when a read fails, as it does on a folder.
        try {
            return data::ReadDataFileBytes(file, capacity);
        } catch (const std::ios_base::failure&) {
            throw cannotOpen;
        }
    }

} // namespace

std::string ReadDataText(const std::string& fileName)
{
    return data::PaneTextFromFileBytes(ReadDataBytes(fileName, data::MemoCapacity)).Text;
}

std::string ReadDataBytes(const std::string& fileName, std::size_t capacity)
{
    return fileName == "-" ? ReadStandardInput(capacity) : ReadFile(fileName, capacity);
}

} // namespace cli
