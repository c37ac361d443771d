// src/cli/data_file.h: reading a data file or standard input whole, into the data pane's text.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

// Reads stream (a file opened in binary mode, or standard input) whole, or its first
// data::MemoCapacity + 1 bytes when it is longer: enough to refuse it as too long.
std::string ReadAll(std::istream& stream);

// The whole content of the file fileName; nothing when it cannot be opened or read (a folder,
// say).
std::optional<std::string> ReadFileBytes(const std::string& fileName);

// The data pane's text that Open makes of a data file's bytes (data::PaneTextFromFileBytes);
// throws its refusals.
std::string DataTextFromFileBytes(std::string_view bytes);

} // namespace cli
