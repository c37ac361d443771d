// src/cli/data_file.h: reading a data file or standard input whole.
#pragma once

#include <istream>
#include <string>

namespace cli {

// Reads the whole of stream (a file opened in binary mode, or standard input).
std::string ReadAll(std::istream& stream);

} // namespace cli
