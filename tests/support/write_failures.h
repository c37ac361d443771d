// tests/support/write_failures.h: real write failures for tests of safe saving: a disk that
// fills up after a few bytes, and a folder that takes no new file.
#pragma once

#include <csignal>
#include <cstddef>
#include <string>

#include <sys/resource.h>

namespace test_support {

// While it lives, no file of this process grows beyond bytes: a write across the limit goes
// only part way and the next one fails, as on a disk that fills up. The signal such a write
// raises is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::size_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved {};
    void (*m_savedHandler)(int) = SIG_DFL;
};

// While it lives, no new file can be made in folder: its write permission is taken away, and a
// process that may override permissions (root) gives that up meanwhile. Files already in it stay
// writable. Active() tells whether it took effect.
class UnwritableFolder {
public:
    explicit UnwritableFolder(std::string folder);
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

    bool Active() const { return m_active; }

private:
    // A file can be created in the folder now.
    bool TakesNewFile() const;

    std::string m_folder;
    bool m_overrideDropped = false;
    bool m_active = false;
};

} // namespace test_support
