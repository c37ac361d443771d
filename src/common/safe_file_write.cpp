// src/common/safe_file_write.cpp: a new file written whole beside the old one, then renamed over
// it.
#include "common/safe_file_write.h"

#include "common/failure.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace common {

namespace {

    // Closes the descriptor and removes the new file unless the rename took it.
    class NewFile {
    public:
        NewFile(int descriptor, std::filesystem::path path)
            : m_descriptor(descriptor)
            , m_path(std::move(path))
        {
        }
        ~NewFile()
        {
            if (m_descriptor >= 0)
                ::close(m_descriptor);
            if (!m_renamed)
                ::unlink(m_path.c_str());
        }
        NewFile(const NewFile&) = delete;
        NewFile& operator=(const NewFile&) = delete;

        int Descriptor() const { return m_descriptor; }
        const std::filesystem::path& Path() const { return m_path; }
        // Closing reports the last write errors of some file systems, so it is checked too.
        bool Close()
        {
            const int descriptor = m_descriptor;
            m_descriptor = -1;
            return ::close(descriptor) == 0;
        }
        void Renamed() { m_renamed = true; }

    private:
        int m_descriptor;
        std::filesystem::path m_path;
        bool m_renamed = false;
    };

    // The file a name stands for: the end of its chain of symbolic links, so that a link stays
    // a link.
    std::filesystem::path TargetOf(const std::string& fileName)
    {
        std::error_code failure;
        const std::filesystem::path path(fileName);
        if (!std::filesystem::is_symlink(path, failure))
            return path;
        const std::filesystem::path target = std::filesystem::weakly_canonical(path, failure);
        return failure ? path : target;
    }

    // A file of a name no other has, created in folder beside target, with permissions 0666
    // less the umask; -1 when none can be created.
    int CreateNewFile(const std::filesystem::path& target, std::filesystem::path& newPath)
    {
        std::random_device randomness;
        const std::filesystem::path folder = target.parent_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = ".";
            name += target.filename().string();
            name += '.';
            name += std::to_string(randomness() % 1000000000u);
            name += ".new";
            newPath = folder.empty() ? std::filesystem::path(name) : folder / name;
            const int descriptor
                = ::open(newPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor >= 0 || errno != EEXIST)
                return descriptor;
        }
        return -1;
    }

    bool WriteWhole(int descriptor, std::string_view bytes, WriteCall write)
    {
        while (!bytes.empty()) {
            const ssize_t written = write(descriptor, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            // No progress is a failure too: a full disk may say so with a count of 0.
            if (written <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool Replace(const std::filesystem::path& target, std::string_view bytes, WriteCall write)
    {
        struct stat existing { };
        const bool exists = ::stat(target.c_str(), &existing) == 0;
        // A file the user may not write stays as it is, although its folder would let it be
        // replaced.
        if (exists && (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0))
            return false;

        std::filesystem::path newPath;
        const int descriptor = CreateNewFile(target, newPath);
        if (descriptor < 0)
            return false;
        NewFile file(descriptor, newPath);
        if (exists && ::fchmod(descriptor, existing.st_mode & 07777) != 0)
            return false;
        if (!WriteWhole(descriptor, bytes, write) || ::fsync(descriptor) != 0 || !file.Close())
            return false;
        if (::rename(file.Path().c_str(), target.c_str()) != 0)
            return false;
        file.Renamed();

        // The rename itself reaches the disk with the folder; the file is in place already, so
        // this cannot fail the write any more.
        const std::filesystem::path folder
            = target.parent_path().empty() ? "." : target.parent_path();
        const int folderDescriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folderDescriptor >= 0) {
            ::fsync(folderDescriptor);
            ::close(folderDescriptor);
        }
        return true;
    }

} // namespace

std::string FullPath(const std::string& fileName)
{
    std::error_code failure;
    const std::filesystem::path fullPath = std::filesystem::absolute(fileName, failure);
    return failure ? fileName : fullPath.string();
}

void WriteFileSafely(const std::string& fileName, std::string_view bytes, WriteCall write)
{
    if (fileName.empty() || !Replace(TargetOf(fileName), bytes, write))
        throw Failure("Cannot create file " + FullPath(fileName));
}

} // namespace common
