// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/write_failures.h: real write failures, for a while: a disk that fills up after a
// few bytes, and a folder that takes no new file.
#pragma once

#include <cstddef>
#include <string>

#include <sys/resource.h>

namespace test_support {

// No file of this process grows beyond bytes: a write across the limit goes only part way and the
// next one fails, as on a full disk (the signal it raises is ignored meanwhile).
struct FileSizeLimit {
    explicit FileSizeLimit(std::size_t bytes);
    ~FileSizeLimit();
    rlimit saved {};
};

// No new file can be made in folder: its write permission is taken away, and a process that may
// override permissions (root) gives that up meanwhile. active tells whether it took effect.
struct UnwritableFolder {
    explicit UnwritableFolder(std::string folder);
    ~UnwritableFolder();
    std::string folder;
    bool overrideDropped = false;
    bool active = false;
};

} // namespace test_support
