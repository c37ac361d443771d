// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/safe_file_write.cpp: a new file written whole in the old one's folder, given the old
// one's attributes, then renamed over it; the way there walked one name at a time.
#include "common/safe_file_write.h"

#include "common/failure.h"
#include "common/printable_text.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace common {

namespace {

    // What ends a write: the text after the colon (the system's reason, mostly) and the reason
    // in the user's words for a refusal of our own.
    struct WriteStopped {
        std::string afterColon;
        std::string reason;
    };

    [[noreturn]] void StopWith(int error) { throw WriteStopped { std::strerror(error), {} }; }

    [[noreturn]] void Refuse(std::string reason) { throw WriteStopped { {}, std::move(reason) }; }

    // The kernel follows at most this many links on one name.
    constexpr int MostLinksFollowed = 40;

    // An open descriptor, closed with its owner.
    class Descriptor {
    public:
        explicit Descriptor(int descriptor = -1)
            : m_descriptor(descriptor)
        {
        }
        ~Descriptor()
        {
            if (m_descriptor >= 0)
                ::close(m_descriptor);
        }
        Descriptor(Descriptor&& other) noexcept
            : m_descriptor(std::exchange(other.m_descriptor, -1))
        {
        }
        Descriptor& operator=(Descriptor&& other) noexcept
        {
            std::swap(m_descriptor, other.m_descriptor);
            return *this;
        }

        int Get() const { return m_descriptor; }
        // Closing reports the last write errors of some file systems, so it is checked.
        bool Close() { return ::close(std::exchange(m_descriptor, -1)) == 0; }

    private:
        int m_descriptor;
    };

    Descriptor OpenOrStop(int folder, const char* name, int flags)
    {
        const int descriptor = ::openat(folder, name, flags | O_CLOEXEC);
        if (descriptor < 0)
            StopWith(errno);
        return Descriptor(descriptor);
    }

    std::string UserName(uid_t user)
    {
        const passwd* entry = ::getpwuid(user);
        return entry != nullptr ? entry->pw_name : std::to_string(user);
    }

    std::string GroupName(gid_t groupId)
    {
        const group* entry = ::getgrgid(groupId);
        return entry != nullptr ? entry->gr_name : std::to_string(groupId);
    }

    // path ends in a folder rather than a name: in "/", ".", or "..".
    bool EndsInFolder(std::string_view path)
    {
        const std::string_view last = path.substr(path.rfind('/') + 1);
        return last.empty() || last == "." || last == "..";
    }

    // The parts of path between its slashes, without the empty ones and ".".
    std::deque<std::string> PartsOf(std::string_view path)
    {
        std::deque<std::string> parts;
        while (!path.empty()) {
            const std::size_t slash = path.find('/');
            const std::string_view part = path.substr(0, slash);
            if (!part.empty() && part != ".")
                parts.emplace_back(part);
            path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
        }
        return parts;
    }

    // The kernel's rule for links in shared folders: a link in a sticky folder that every user
    // may write to is followed only for its owner or the folder's owner, since anyone could
    // have put it there.
    void CheckMayFollow(int folder, const struct stat& link)
    {
        struct stat status { };
        if (::fstat(folder, &status) != 0)
            StopWith(errno);
        const bool shared = (status.st_mode & S_ISVTX) != 0 && (status.st_mode & S_IWOTH) != 0;
        if (shared && link.st_uid != ::geteuid() && link.st_uid != status.st_uid)
            Refuse("It is a link that user " + UserName(link.st_uid)
                + " made in a folder every user may write to, and such a link is not followed.");
    }

    std::string LinkTarget(int folder, const std::string& name)
    {
        std::vector<char> target(PATH_MAX);
        const ssize_t length = ::readlinkat(folder, name.c_str(), target.data(), target.size());
        if (length < 0)
            StopWith(errno);
        if (static_cast<std::size_t>(length) >= target.size())
            StopWith(ENAMETOOLONG);
        return std::string(target.data(), static_cast<std::size_t>(length));
    }

    // Where a name leads: its folder (opened as a path only) and its last part there, with
    // what stands under that name now, if anything.
    struct Place {
        Descriptor folder;
        std::string name;
        bool exists = false;
        struct stat status { };
    };

    // Walks fileName one part at a time from the root or the working folder, following each
    // symbolic link that CheckMayFollow allows, up to the file's own name, which must not be a
    // link left dangling.
    Place Resolve(const std::string& fileName)
    {
        if (fileName.empty())
            StopWith(ENOENT);
        if (EndsInFolder(fileName))
            StopWith(EISDIR);
        std::deque<std::string> pending = PartsOf(fileName);
        Place place;
        place.folder
            = OpenOrStop(AT_FDCWD, fileName.front() == '/' ? "/" : ".", O_PATH | O_DIRECTORY);
        int linksFollowed = 0;
        bool lastPartFromLink = false;
        while (true) {
            const std::string part = std::move(pending.front());
            pending.pop_front();
            if (part == "..") {
                if (pending.empty())
                    StopWith(EISDIR);
                place.folder = OpenOrStop(place.folder.Get(), "..", O_PATH | O_DIRECTORY);
                continue;
            }
            struct stat status { };
            const bool exists
                = ::fstatat(place.folder.Get(), part.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
            if (!exists && errno != ENOENT)
                StopWith(errno);
            if (exists && S_ISLNK(status.st_mode)) {
                if (++linksFollowed > MostLinksFollowed)
                    StopWith(ELOOP);
                CheckMayFollow(place.folder.Get(), status);
                const std::string target = LinkTarget(place.folder.Get(), part);
                if (target.empty())
                    StopWith(ENOENT);
                lastPartFromLink = pending.empty();
                if (lastPartFromLink && EndsInFolder(target))
                    StopWith(EISDIR);
                const std::deque<std::string> targetParts = PartsOf(target);
                pending.insert(pending.begin(), targetParts.begin(), targetParts.end());
                if (target.front() == '/')
                    place.folder = OpenOrStop(AT_FDCWD, "/", O_PATH | O_DIRECTORY);
                continue;
            }
            if (pending.empty()) {
                if (!exists && lastPartFromLink)
                    Refuse("It is a link to a file that does not exist.");
                place.name = part;
                place.exists = exists;
                place.status = status;
                return place;
            }
            if (!exists)
                StopWith(ENOENT);
            place.folder
                = OpenOrStop(place.folder.Get(), part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW);
        }
    }

    // The interrupt, terminate, hang-up and quit signals that arrived while SignalsDeferred was
    // in place; 0 for none.
    volatile std::sig_atomic_t deferredSignal = 0;

    extern "C" void DeferSignal(int signal) { deferredSignal = signal; }

    // Interrupt, terminate, hang-up and quit wait while it lives, in whichever thread they
    // arrive, so that a new file that has a name is put in place or removed before they end
    // the process; then each goes as it would have gone.
    class SignalsDeferred {
    public:
        SignalsDeferred()
        {
            deferredSignal = 0;
            struct sigaction deferring { };
            deferring.sa_handler = DeferSignal;
            deferring.sa_flags = SA_RESTART;
            sigemptyset(&deferring.sa_mask);
            for (std::size_t index = 0; index < Signals.size(); ++index)
                ::sigaction(Signals[index], &deferring, &m_previous[index]);
        }
        ~SignalsDeferred()
        {
            for (std::size_t index = 0; index < Signals.size(); ++index)
                ::sigaction(Signals[index], &m_previous[index], nullptr);
            if (deferredSignal != 0)
                ::raise(deferredSignal);
        }
        SignalsDeferred(const SignalsDeferred&) = delete;
        SignalsDeferred& operator=(const SignalsDeferred&) = delete;

    private:
        static constexpr std::array<int, 4> Signals { SIGINT, SIGTERM, SIGHUP, SIGQUIT };
        std::array<struct sigaction, 4> m_previous {};
    };

    // A new file under a temporary name in folder, removed unless it was put in place.
    class NamedNewFile {
    public:
        NamedNewFile(int folder, std::string name)
            : m_folder(folder)
            , m_name(std::move(name))
        {
        }
        ~NamedNewFile()
        {
            if (!m_placed)
                ::unlinkat(m_folder, m_name.c_str(), 0);
        }
        NamedNewFile(const NamedNewFile&) = delete;
        NamedNewFile& operator=(const NamedNewFile&) = delete;

        void PutInPlaceOf(const std::string& name)
        {
            if (::renameat(m_folder, m_name.c_str(), m_folder, name.c_str()) != 0)
                StopWith(errno);
            m_placed = true;
        }

    private:
        int m_folder;
        std::string m_name;
        bool m_placed = false;
    };

    // A file of that name left by a write that was killed; only a regular file is taken away.
    void RemoveLeftover(int folder, const std::string& name)
    {
        struct stat status { };
        if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(status.st_mode))
            ::unlinkat(folder, name.c_str(), 0);
    }

    // Stops the write for a new file that cannot be created in place's folder: a folder that
    // takes no new file says so when the old file is there to be replaced.
    [[noreturn]] void StopCreating(int error, const Place& place)
    {
        if (place.exists && (error == EACCES || error == EPERM))
            throw WriteStopped { "its folder takes no new file, and the old one is only ever "
                                 "replaced by a complete new one",
                {} };
        StopWith(error);
    }

    void WriteWhole(int descriptor, std::string_view bytes, WriteCall write)
    {
        while (!bytes.empty()) {
            const ssize_t written = write(descriptor, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                StopWith(errno);
            // No progress is a failure too: a full disk may say so with a count of 0.
            if (written == 0)
                StopWith(ENOSPC);
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    // The value of attribute name through get (of the old or the new file); nothing when it
    // cannot be read.
    template <typename Get> std::optional<std::string> AttributeValue(Get get)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            const ssize_t size = get(nullptr, 0);
            if (size < 0)
                return std::nullopt;
            std::string value(static_cast<std::size_t>(size), '\0');
            const ssize_t read = get(value.data(), value.size());
            if (read >= 0) {
                value.resize(static_cast<std::size_t>(read));
                return value;
            }
            if (errno != ERANGE)
                return std::nullopt;
        }
        return std::nullopt;
    }

    // Copies the extended attributes of the old file onto file (the access ACL with them);
    // false when one of them could not be.
    bool CopyExtendedAttributes(const Place& place, int file)
    {
        // The old file opened, or, when the user may not read it, its path through its folder's
        // descriptor; a link put in its place meanwhile is not followed either way.
        const Descriptor old(::openat(place.folder.Get(), place.name.c_str(),
            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        const std::string oldPath
            = "/proc/self/fd/" + std::to_string(place.folder.Get()) + "/" + place.name;
        const std::optional<std::string> names
            = AttributeValue([&](char* buffer, std::size_t size) {
                  return old.Get() >= 0 ? ::flistxattr(old.Get(), buffer, size)
                                        : ::llistxattr(oldPath.c_str(), buffer, size);
              });
        if (!names)
            return errno == ENOTSUP;
        bool allCopied = true;
        for (std::size_t at = 0; at < names->size();) {
            const std::string name = names->c_str() + at;
            at += name.size() + 1;
            const std::optional<std::string> value
                = AttributeValue([&](char* buffer, std::size_t size) {
                      return old.Get() >= 0
                          ? ::fgetxattr(old.Get(), name.c_str(), buffer, size)
                          : ::lgetxattr(oldPath.c_str(), name.c_str(), buffer, size);
                  });
            const std::optional<std::string> present
                = AttributeValue([&](char* buffer, std::size_t size) {
                      return ::fgetxattr(file, name.c_str(), buffer, size);
                  });
            // A security label the new file already carries needs no permission to set.
            if (value && value == present)
                continue;
            if (!value || ::fsetxattr(file, name.c_str(), value->data(), value->size(), 0) != 0)
                allCopied = false;
        }
        return allCopied;
    }

    // Gives file the old file's owner, group, extended attributes and permissions, as far as
    // the user may. Returns what could not be kept, for the user; empty when all was kept.
    std::string KeepAttributes(const Place& place, int file, const std::string& shownName)
    {
        const struct stat& old = place.status;
        struct stat now { };
        if (::fstat(file, &now) != 0)
            StopWith(errno);
        if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
            // Only root gives a file away; any owner may give it a group of their own.
            // What stays different is read back below and told to the user.
            if (::fchown(file, old.st_uid, old.st_gid) != 0) {
                [[maybe_unused]] const int groupOnly
                    = ::fchown(file, static_cast<uid_t>(-1), old.st_gid);
            }
            if (::fstat(file, &now) != 0)
                StopWith(errno);
        }
        const bool attributesKept = CopyExtendedAttributes(place, file);
        // After the owner: a change of owner clears the set-user-ID and set-group-ID bits.
        if (::fchmod(file, old.st_mode & 07777) != 0)
            StopWith(errno);

        std::string lost;
        if (now.st_uid != old.st_uid)
            lost = "its owner " + UserName(old.st_uid) + " could not be kept: it now belongs to "
                + UserName(now.st_uid) + " (group " + GroupName(now.st_gid) + ")";
        else if (now.st_gid != old.st_gid)
            lost = "its group " + GroupName(old.st_gid) + " could not be kept: its group is now "
                + GroupName(now.st_gid);
        if (!attributesKept)
            lost += lost.empty() ? "its extended attributes could not all be kept"
                                 : ", and its extended attributes could not all be kept";
        return lost.empty() ? std::string() : "File " + shownName + " was written, but " + lost;
    }

    // The new file without a name in place's folder; none where the file system or the
    // machine (no /proc to name it through) cannot make one.
    Descriptor CreateUnnamed(const Place& place, mode_t mode)
    {
        if (::access("/proc/self/fd", X_OK) != 0)
            return Descriptor();
        const int descriptor
            = ::openat(place.folder.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (descriptor >= 0)
            return Descriptor(descriptor);
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return Descriptor();
        StopCreating(errno, place);
    }

    // Gives the unnamed file the temporary name in its folder, removing a leftover of that name.
    void NameUnnamed(int file, int folder, const std::string& temporary)
    {
        const std::string self = "/proc/self/fd/" + std::to_string(file);
        for (int attempt = 0;; ++attempt) {
            if (::linkat(AT_FDCWD, self.c_str(), folder, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
                return;
            if (errno != EEXIST || attempt > 0)
                StopWith(errno);
            RemoveLeftover(folder, temporary);
        }
    }

    Descriptor CreateNamed(const Place& place, const std::string& temporary, mode_t mode)
    {
        for (int attempt = 0;; ++attempt) {
            const int descriptor = ::openat(place.folder.Get(), temporary.c_str(),
                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (descriptor >= 0)
                return Descriptor(descriptor);
            if (errno != EEXIST || attempt > 0)
                StopCreating(errno, place);
            RemoveLeftover(place.folder.Get(), temporary);
        }
    }

    // The content, then the old file's attributes, then all of it onto the disk.
    std::string Fill(const Place& place, int file, std::string_view bytes, WriteCall write,
        const std::string& shownName)
    {
        WriteWhole(file, bytes, write);
        // After the content: writing clears the set-user-ID bits and file capabilities.
        std::string note = place.exists ? KeepAttributes(place, file, shownName) : std::string();
        if (::fsync(file) != 0)
            StopWith(errno);
        return note;
    }

    // The rename itself reaches the disk with the folder; the file is in place already, so
    // this cannot fail the write any more.
    void FlushFolder(int folder)
    {
        const int descriptor = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor >= 0) {
            ::fsync(descriptor);
            ::close(descriptor);
        }
    }

    std::string Replace(const std::string& fileName, std::string_view bytes, WriteCall write)
    {
        const Place place = Resolve(fileName);
        if (place.exists) {
            if (S_ISDIR(place.status.st_mode))
                StopWith(EISDIR);
            if (!S_ISREG(place.status.st_mode))
                Refuse("It is not a regular file.");
            // A file the user may not write stays as it is, although its folder would let it
            // be replaced.
            if (::faccessat(place.folder.Get(), place.name.c_str(), W_OK, AT_EACCESS) != 0)
                StopWith(errno);
        }
        const int folder = place.folder.Get();
        const std::string shownName = FullPath(fileName);
        const std::string temporary = TemporaryNameOf(place.name);
        // The old file's permissions come at the end; until then only the user may read it.
        const mode_t mode = place.exists ? 0600 : 0666;

        std::string note;
        if (Descriptor file = CreateUnnamed(place, mode); file.Get() >= 0) {
            note = Fill(place, file.Get(), bytes, write, shownName);
            const SignalsDeferred deferred;
            NameUnnamed(file.Get(), folder, temporary);
            NamedNewFile named(folder, temporary);
            if (!file.Close())
                StopWith(errno);
            named.PutInPlaceOf(place.name);
        } else {
            const SignalsDeferred deferred;
            Descriptor namedFile = CreateNamed(place, temporary, mode);
            NamedNewFile named(folder, temporary);
            note = Fill(place, namedFile.Get(), bytes, write, shownName);
            if (!namedFile.Close())
                StopWith(errno);
            named.PutInPlaceOf(place.name);
        }
        FlushFolder(folder);
        return note;
    }

} // namespace

std::string FullPath(const std::string& fileName)
{
    std::error_code failure;
    const std::filesystem::path fullPath = std::filesystem::absolute(fileName, failure);
    return PrintableText(failure ? fileName : fullPath.string());
}

std::string TemporaryNameOf(std::string_view fileName)
{
    // FNV-1a, 64 bits: the same on every machine and every run.
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char character : fileName) {
        hash ^= static_cast<unsigned char>(character);
        hash *= 0x100000001b3u;
    }
    std::string name = ".varnek-";
    for (int shift = 60; shift >= 0; shift -= 4)
        name += "0123456789abcdef"[(hash >> shift) & 0xF];
    name += ".new";
    return name;
}

std::string WriteFileSafely(const std::string& fileName, std::string_view bytes, WriteCall write)
{
    try {
        return Replace(fileName, bytes, write);
    } catch (const WriteStopped& stopped) {
        std::string message = "Cannot create file " + FullPath(fileName);
        if (!stopped.afterColon.empty())
            message += ": " + stopped.afterColon;
        throw Failure(message, stopped.reason);
    }
}

} // namespace common
