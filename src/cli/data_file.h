// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/data_file.h: a data file or standard input read as the data pane's text.
#pragma once

#include <cstddef>
#include <string>

namespace cli {

// The data pane's text that Open makes of the file fileName (read by data::ReadDataFileBytes, so
// a FIFO or a device is refused as the window refuses it), or of standard input for "-",
// reading no more than data::MemoCapacity + 1 bytes: enough to refuse a longer one. Throws the
// failures of data::ReadDataFileBytes, "Cannot read standard input" when standard input is
// closed or a read of it fails, and the refusals of data::PaneTextFromFileBytes.
std::string ReadDataText(const std::string& fileName);

// The bytes of the file fileName, or of standard input for "-", at most capacity + 1 of them,
// failing as ReadDataText does.
std::string ReadDataBytes(const std::string& fileName, std::size_t capacity);

// True when fileName names the data file dataFileName (standard input, "-", never does): the
// same file, through links or other names, by its device and inode.
bool IsDataFile(const std::string& fileName, const std::string& dataFileName);

} // namespace cli
