// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/large_pages.h: asking the kernel to back a large buffer with 2 MiB pages.
#pragma once

#include <cstddef>

namespace common {

// Asks that the whole 2 MiB pages within [start, start + size) be backed by transparent huge
// pages when first touched: a buffer of many megabytes then costs a fault every 2 MiB rather
// than every 4 KiB. Call it before writing the buffer. Only advice: nothing changes where the
// system does not take it, and a buffer of less than a huge page is left alone.
void PreferLargePages(void* start, std::size_t size);

} // namespace common
