// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/memory_return.cpp: the C library's allocator told to map large blocks apart and to
// give back freed pages.
#include "app/memory_return.h"

// Any header of the C library tells which one it is.
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace app {

void KeepLargeBlocksMapped()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, MappedBlockBytes);
#endif
}

void ReturnFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace app
