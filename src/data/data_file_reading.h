// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/data_file_reading.h: a data file's bytes, read from the file system as Open reads them.
#pragma once

#include "data/data_text_file.h"

#include <cstddef>
#include <string>

namespace data {

// The bytes of the data file fileName, no more than capacity + 1 of them: enough for
// PaneTextFromFileBytes (or TextFromFileBytes with that capacity) to refuse a longer one. Opens
// only a regular file: a FIFO would wait for a writer and a device may never end. Throws
// common::Failure "Cannot open file <full path>" with the system's reason after a colon when the
// file cannot be opened or read (a folder among them), with the reason "It is not a regular file."
// for a FIFO, a device or a socket, and TextTooLongMessage (LargeFileMessage for LargeFileCapacity)
// for a file larger than capacity.
std::string ReadDataFileBytes(const std::string& fileName, std::size_t capacity = MemoCapacity);

} // namespace data
