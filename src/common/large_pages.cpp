// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/large_pages.cpp: madvise(MADV_HUGEPAGE) on the huge pages a buffer covers.
#include "common/large_pages.h"

#include <cstdint>

#include <sys/mman.h>

namespace common {

void PreferLargePages(void* start, std::size_t size)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t HugePage = std::uintptr_t(2) << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t first = (begin + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t last = (begin + size) & ~(HugePage - 1);
    if (size < HugePage || first >= last)
        return;
    // A refusal (no transparent huge pages in this kernel) leaves the buffer as it was.
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    static_cast<void>(start);
    static_cast<void>(size);
#endif
}

} // namespace common
