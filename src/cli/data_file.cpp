// src/cli/data_file.cpp: reading a stream whole.
#include "cli/data_file.h"

#include <iterator>

namespace cli {

std::string ReadAll(std::istream& stream)
{
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

} // namespace cli
