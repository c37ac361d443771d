// src/cli/data_file.h: the content of a data file as the data pane receives it.
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace cli {

// The text of a file's bytes as Open puts it into the data pane: CR LF, a lone LF and a lone
// CR each become one line break "\n", and a byte of value 0 ends the text.
std::string DataTextOf(std::string_view bytes);

// Reads the whole of stream (a file opened in binary mode, or standard input).
std::string ReadAll(std::istream& stream);

} // namespace cli
