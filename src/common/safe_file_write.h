// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/safe_file_write.h: replacing a file's content whole, or not at all, the one writer
// every program writes its files through.
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

// fileName as messages name a file: made absolute against the working folder (fileName itself
// when that cannot be done), its control characters escaped (PrintableText).
std::string FullPath(const std::string& fileName);

// The name a write of a file named fileName (its last part, without folders) gives its new file
// while it is written, where the file system cannot hold a file without a name: short, whatever
// the length of fileName, and the same for every write of that name, so that a write that was
// killed leaves only this name behind and the next write of the same name removes it.
std::string TemporaryNameOf(std::string_view fileName);

// Makes bytes the content of fileName: writes them into a new file in its folder (unnamed where
// the file system allows, else under TemporaryNameOf), checks that every byte went out, flushes
// it to the disk and only then puts it in fileName's place. A file that was there keeps its
// permissions and extended attributes (ACLs among them), and its owner and group where the user
// may give them (root; a group the user belongs to); a new file gets 0666 less the umask.
// Symbolic links are followed, so that a link stays a link, but only where the kernel's rule for
// shared folders would follow them: not a link in a sticky folder every user may write to that
// belongs neither to the user nor to the folder's owner. Returns what the user should know about
// a file that was written (the owner or group that could not be kept), empty when nothing.
// Throws common::Failure "Cannot create file <full path>" with the system's reason after a colon,
// or with a reason of its own for a link it does not follow, a dangling link, or a file that is
// not a regular file. The file is then as it was and no new file is left behind: interrupt,
// terminate, hang-up and quit signals that arrive while the new file has a name wait until it
// is in place or gone (its handlers are the process's meanwhile). write is the call the bytes
// go out through.
[[nodiscard]] std::string WriteFileSafely(
    const std::string& fileName, std::string_view bytes, WriteCall write = ::write);

} // namespace common
