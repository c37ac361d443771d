// tests/support/write_failures.cpp: the file size limit and the permission override of the
// process, changed for a while and restored.
#include "support/write_failures.h"

#include <cstdio>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace test_support {

namespace {

    // The effective set of the calling thread: permission override on or off, where the
    // permitted set holds it.
    bool SetPermissionOverride(bool on)
    {
        __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
        __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] {};
        if (syscall(SYS_capget, &header, data) != 0)
            return false;
        const unsigned bit = 1u << CAP_DAC_OVERRIDE;
        if (on)
            data[0].effective |= data[0].permitted & bit;
        else
            data[0].effective &= ~bit;
        return syscall(SYS_capset, &header, data) == 0;
    }

} // namespace

FileSizeLimit::FileSizeLimit(std::size_t bytes)
{
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}

UnwritableFolder::UnwritableFolder(std::string folder)
    : m_folder(std::move(folder))
{
    chmod(m_folder.c_str(), 0555);
    if (TakesNewFile())
        m_overrideDropped = SetPermissionOverride(false);
    m_active = !TakesNewFile();
}

UnwritableFolder::~UnwritableFolder()
{
    if (m_overrideDropped)
        SetPermissionOverride(true);
    chmod(m_folder.c_str(), 0755);
}

bool UnwritableFolder::TakesNewFile() const
{
    const std::string probe = m_folder + "/.probe";
    const int descriptor = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (descriptor < 0)
        return false;
    close(descriptor);
    std::remove(probe.c_str());
    return true;
}

} // namespace test_support
