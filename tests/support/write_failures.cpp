// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/write_failures.cpp: the file size limit and the permission override of the
// process, changed for a while and restored.
#include "support/write_failures.h"

#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace test_support {

namespace {

    // Turns the permission override of the calling thread's effective set on (where the
    // permitted set holds it) or off.
    bool SetPermissionOverride(bool on)
    {
        __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
        __user_cap_data_struct sets[_LINUX_CAPABILITY_U32S_3] {};
        if (syscall(SYS_capget, &header, sets) != 0)
            return false;
        const unsigned bit = 1u << CAP_DAC_OVERRIDE;
        sets[0].effective
            = on ? sets[0].effective | (sets[0].permitted & bit) : sets[0].effective & ~bit;
        return syscall(SYS_capset, &header, sets) == 0;
    }

    bool TakesNewFile(const std::string& folder)
    {
        const std::string probe = folder + "/.probe";
        const int descriptor = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (descriptor >= 0) {
            close(descriptor);
            std::remove(probe.c_str());
        }
        return descriptor >= 0;
    }

} // namespace

FileSizeLimit::FileSizeLimit(std::size_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }

UnwritableFolder::UnwritableFolder(std::string path)
    : folder(std::move(path))
{
    chmod(folder.c_str(), 0555);
    if (TakesNewFile(folder))
        overrideDropped = SetPermissionOverride(false);
    active = !TakesNewFile(folder);
}

UnwritableFolder::~UnwritableFolder()
{
    if (overrideDropped)
        SetPermissionOverride(true);
    chmod(folder.c_str(), 0755);
}

} // namespace test_support
