// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/data_file_reading.cpp: opened without waiting, checked on the open file itself, read
// up to one byte past the capacity.
#include "data/data_file_reading.h"

#include "common/failure.h"
#include "common/large_pages.h"
#include "common/safe_file_write.h"
#include "data/data_text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

namespace {

    [[noreturn]] void CannotOpen(const std::string& fileName, int error, std::string reason = {})
    {
        std::string message = "Cannot open file " + common::FullPath(fileName);
        if (error != 0)
            message += std::string(": ") + std::strerror(error);
        throw common::Failure(message, std::move(reason));
    }

    // Closes the descriptor on every way out.
    struct OpenFile {
        int descriptor;
        ~OpenFile() { ::close(descriptor); }
    };

} // namespace

std::string ReadDataFileBytes(const std::string& fileName, std::size_t capacity)
{
    // An empty argument names no file; the system's reason for it would read as a missing one.
    if (fileName.empty())
        throw common::Failure("Cannot open file: the file name is empty");
    const int descriptor = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        CannotOpen(fileName, errno);
    const OpenFile file { descriptor };
    struct stat status { };
    if (::fstat(descriptor, &status) != 0)
        CannotOpen(fileName, errno);
    if (S_ISDIR(status.st_mode))
        CannotOpen(fileName, EISDIR);
    if (!S_ISREG(status.st_mode))
        CannotOpen(fileName, 0, "It is not a regular file.");
    if (static_cast<unsigned long long>(status.st_size) > capacity)
        RefuseTooLong(capacity);

    // One byte more than the capacity tells a file that grew meanwhile; the size it has now
    // is only where to start.
    const std::size_t Limit = capacity + 1;
    const std::size_t startSize = static_cast<std::size_t>(status.st_size) + 1;
    std::string bytes;
    bytes.reserve(startSize);
    common::PreferLargePages(bytes.data(), startSize);
    bytes.resize(startSize);
    std::size_t got = 0;
    while (true) {
        if (got == bytes.size()) {
            if (got == Limit)
                break;
            bytes.resize(std::min(Limit, 2 * got));
        }
        const ssize_t read = ::read(descriptor, bytes.data() + got, bytes.size() - got);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            CannotOpen(fileName, errno);
        if (read == 0)
            break;
        got += static_cast<std::size_t>(read);
    }
    bytes.resize(got);
    return bytes;
}

} // namespace data
