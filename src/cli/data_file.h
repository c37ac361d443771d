// src/cli/data_file.h: a data file or standard input read as the data pane's text.
#pragma once

#include <cstddef>
#include <string>

namespace cli {

// The data pane's text that Open makes of the file fileName, or of standard input for "-",
// reading no more than data::MemoCapacity + 1 bytes: enough to refuse a longer one. Throws
// common::Failure "Cannot open file <full path>" for a file that cannot be opened or read (a
// folder, say), "Cannot read standard input" when standard input is closed or a read of it
// fails, and the refusals of data::PaneTextFromFileBytes.
std::string ReadDataText(const std::string& fileName);

// The bytes of the file fileName, or of standard input for "-", at most capacity + 1 of them,
// failing as ReadDataText does.
std::string ReadDataBytes(const std::string& fileName, std::size_t capacity);

} // namespace cli
