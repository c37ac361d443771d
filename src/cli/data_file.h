// src/cli/data_file.h: reading a data file or standard input whole, into the data pane's text.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// Reads the whole of stream (a file opened in binary mode, or standard input).
std::string ReadAll(std::istream& stream);

// The whole content of the file fileName; nothing when it cannot be opened or read (a folder,
// say).
std::optional<std::string> ReadFileBytes(const std::string& fileName);

// The data pane's text that Open makes of a data file's bytes: line breaks and the end of the
// text converted as data files have them, and a leading UTF-8 byte order mark left out.
std::string DataTextFromFileBytes(std::string_view bytes);

} // namespace cli
