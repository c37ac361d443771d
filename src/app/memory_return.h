// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/memory_return.h: memory the process no longer uses goes back to the system, so that
// a large file's text costs what the pane holds and no more.
#pragma once

namespace app {

// From now on every block of MappedBlockBytes or more is mapped from the system on its own,
// grown in place and unmapped when freed. The allocator would otherwise raise that size to the
// largest block freed so far (a file's text read in once): the pane's document, growing by
// copying afterwards, would then keep old and new copies at once and leave the old ones behind.
void KeepLargeBlocksMapped();

// Gives back to the system the pages of the freed smaller blocks.
void ReturnFreedMemory();

inline constexpr int MappedBlockBytes = 128 * 1024;

} // namespace app
