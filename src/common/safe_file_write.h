// src/common/safe_file_write.h: replacing a file's content whole, or not at all.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <unistd.h>

namespace common {

// Writes some of count bytes to an open file as ::write does: the number written, or -1 with
// errno set.
using WriteCall = ssize_t (*)(int descriptor, const void* bytes, std::size_t count);

// fileName made absolute against the working folder, as messages name a file; fileName itself
// when that cannot be done.
std::string FullPath(const std::string& fileName);

// Makes bytes the content of fileName (of the file it links to, when it is a symbolic link):
// writes them into a new file in the same folder, checking that every byte went out, flushes
// that file to the disk and renames it over fileName. A file that was there keeps its
// permissions; a new one gets 0666 less the umask. Throws common::Failure "Cannot create file
// <full path>" when any step fails or the file there is not writable; the file is then as it
// was and no new file is left behind. write is the call the bytes go out through.
void WriteFileSafely(
    const std::string& fileName, std::string_view bytes, WriteCall write = ::write);

} // namespace common
