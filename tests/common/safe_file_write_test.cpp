// SPDX-License-Identifier: GPL-3.0-or-later
// tests/common/safe_file_write_test.cpp: a file replaced whole or left as it was, through the
// links the kernel would follow, with its owner, group and extended attributes.
#include "common/safe_file_write.h"

#include "common/failure.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>

namespace {

namespace fs = std::filesystem;

// Another user and group, for the cases that need one (root makes them the owners).
constexpr uid_t OtherUser = 1234;
constexpr gid_t OtherGroup = 5678;

std::string Content(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void MakeFile(const fs::path& path, const std::string& content = "old")
{
    std::ofstream(path, std::ios::binary) << content;
}

std::string Reason(int error) { return std::string(": ") + std::strerror(error); }

// A folder of the test's own, removed with it.
class SafeFileWrite : public ::testing::Test {
protected:
    ~SafeFileWrite() override { fs::remove_all(m_folder); }

    // Regular files whose content is not "old", and files a write left behind, under folder.
    static std::vector<std::string> ChangedOrLeftOver(const fs::path& folder)
    {
        std::vector<std::string> found;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(".varnek-")
                || (!entry.is_symlink() && entry.is_regular_file()
                    && Content(entry.path()) != "old"))
                found.push_back(fs::relative(entry.path(), folder).string());
        }
        return found;
    }

    const fs::path m_folder = [] {
        const fs::path folder = fs::path(::testing::TempDir())
            / ("safe_file_write_" + std::to_string(getpid()) + "_"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        return folder;
    }();
};

// A disk that fills after bytesLeftOnDisk bytes: a short count first, then ENOSPC.
std::size_t bytesLeftOnDisk = 0;
ssize_t WriteToFillingDisk(int descriptor, const void* bytes, std::size_t count)
{
    if (bytesLeftOnDisk == 0) {
        errno = ENOSPC;
        return -1;
    }
    const std::size_t written = std::min(count, bytesLeftOnDisk);
    bytesLeftOnDisk -= written;
    return ::write(descriptor, bytes, written);
}

// The write of a process that is about to be stopped: says so through the pipe, then fails
// after a while (a signal held meanwhile then ends the process).
int writeStartedPipe = -1;
ssize_t WriteThatWaits(int, const void*, std::size_t)
{
    if (::write(writeStartedPipe, "w", 1) != 1)
        return -1;
    ::sleep(2);
    errno = EIO;
    return -1;
}

// Runs WriteFileSafely(path, "new") in a child process as OtherUser, member of OtherGroup only:
// the note it returned, or "failed: " and the failure's message.
std::string WriteAsOtherUser(const fs::path& path)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "failed: no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string result;
        const gid_t groups[] = { OtherGroup };
        if (::setgroups(1, groups) != 0 || ::setresgid(OtherGroup, OtherGroup, OtherGroup) != 0
            || ::setresuid(OtherUser, OtherUser, OtherUser) != 0) {
            result = "failed: cannot become the other user";
        } else {
            try {
                result = common::WriteFileSafely(path.string(), "new");
            } catch (const common::Failure& failure) {
                result = std::string("failed: ") + failure.what();
            }
        }
        const bool told = ::write(pipeEnds[1], result.data(), result.size())
            == static_cast<ssize_t>(result.size());
        ::_exit(told ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string result;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    ::waitpid(child, nullptr, 0);
    return result;
}

} // namespace

TEST_F(SafeFileWrite, WritesThroughTheLinksTheKernelWouldFollowAndRefusesTheRest)
{
    const bool root = ::geteuid() == 0;
    // A folder every user may write to, sticky as /tmp is, holding a link from the other user.
    const auto sharedFolderWithLink = [](const fs::path& folder, uid_t linkOwner,
                                          uid_t folderOwner) {
        MakeFile(folder / "private.png");
        fs::create_directory(folder / "shared");
        ::chmod((folder / "shared").c_str(), 01777);
        fs::create_symlink(folder / "private.png", folder / "shared/graph.png");
        EXPECT_EQ(
            ::lchown((folder / "shared/graph.png").c_str(), linkOwner, static_cast<gid_t>(-1)), 0);
        EXPECT_EQ(::chown((folder / "shared").c_str(), folderOwner, static_cast<gid_t>(-1)), 0);
        return folder / "shared/graph.png";
    };
    struct WriteCase {
        const char* name;
        bool needsRoot;
        // Makes what the case needs in its folder and gives the name to write.
        std::function<fs::path(const fs::path& folder)> setUp;
        // The file that must then hold the new bytes, or what follows "Cannot create file NAME"
        // and the reason of a refusal.
        std::string writtenTo;
        std::string afterName = {};
        std::string reason = {};
        common::WriteCall write = ::write;
    };
    // 80 CJK characters in UTF-8 and then 15 or 16 bytes: a name of 255 or 256 bytes.
    std::string cjk;
    for (int character = 0; character < 80; ++character)
        cjk += "\xe6\x95\xb0";
    const std::string longestName = cjk + std::string(11, 'x') + ".png";
    const std::string tooLongName = cjk + std::string(12, 'x') + ".png";
    const std::vector<WriteCase> cases {
        { "a new file", false, [](const fs::path& f) { return f / "new.svg"; }, "new.svg" },
        { "a link to a file, through a linked folder", false,
            [](const fs::path& f) {
                fs::create_directory(f / "data");
                MakeFile(f / "data/run.dat");
                fs::create_directory_symlink("data", f / "linked");
                fs::create_symlink("run.dat", f / "data/link.dat");
                return f / "linked/link.dat";
            },
            "data/run.dat" },
        { "a link the other user made in a shared folder", true,
            [&](const fs::path& f) { return sharedFolderWithLink(f, OtherUser, 0); }, "", "",
            "It is a link that user " + std::to_string(OtherUser)
                + " made in a folder every user may write to, and such a link is not followed." },
        { "a link of the shared folder's owner", true,
            [&](const fs::path& f) { return sharedFolderWithLink(f, OtherUser, OtherUser); },
            "private.png" },
        { "the user's own link in a shared folder", false,
            [&](const fs::path& f) { return sharedFolderWithLink(f, ::geteuid(), OtherUser); },
            "private.png" },
        { "a dangling link", false,
            [](const fs::path& f) {
                fs::create_symlink("missing.png", f / "graph.png");
                return f / "graph.png";
            },
            "", "", "It is a link to a file that does not exist." },
        { "a loop of links", false,
            [](const fs::path& f) {
                fs::create_symlink("b.png", f / "a.png");
                fs::create_symlink("a.png", f / "b.png");
                return f / "a.png";
            },
            "", Reason(ELOOP) },
        { "a name of 255 bytes", false,
            [&](const fs::path& f) {
                MakeFile(f / longestName);
                return f / longestName;
            },
            longestName },
        { "a name of 256 bytes", false, [&](const fs::path& f) { return f / tooLongName; }, "",
            Reason(ENAMETOOLONG) },
        { "a missing folder", false, [](const fs::path& f) { return f / "missing/graph.png"; }, "",
            Reason(ENOENT) },
        { "a folder", false,
            [](const fs::path& f) {
                fs::create_directory(f / "graph.png");
                return f / "graph.png";
            },
            "", Reason(EISDIR) },
        { "a FIFO", false,
            [](const fs::path& f) {
                ::mkfifo((f / "graph.png").c_str(), 0644);
                return f / "graph.png";
            },
            "", "", "It is not a regular file." },
        { "a disk that fills up", false,
            [](const fs::path& f) {
                MakeFile(f / "old.png");
                return f / "old.png";
            },
            "", Reason(ENOSPC), "", WriteToFillingDisk },
        { "the leftover of a killed write", false,
            [](const fs::path& f) {
                MakeFile(f / "graph.png");
                MakeFile(f / common::TemporaryNameOf("graph.png"), "half a graph");
                return f / "graph.png";
            },
            "graph.png" },
    };
    ASSERT_EQ(longestName.size(), 255u);
    int number = 0;
    for (const WriteCase& writeCase : cases) {
        SCOPED_TRACE(writeCase.name);
        if (writeCase.needsRoot && !root)
            continue;
        const fs::path folder = m_folder / std::to_string(++number);
        fs::create_directory(folder);
        const std::string name = writeCase.setUp(folder).string();
        bytesLeftOnDisk = 2;
        try {
            EXPECT_EQ(common::WriteFileSafely(name, "new", writeCase.write), "");
            ASSERT_FALSE(writeCase.writtenTo.empty()) << "written, not refused";
            EXPECT_EQ(Content(folder / writeCase.writtenTo), "new");
        } catch (const common::Failure& failure) {
            EXPECT_TRUE(writeCase.writtenTo.empty());
            EXPECT_EQ(
                std::string(failure.what()), "Cannot create file " + name + writeCase.afterName);
            EXPECT_EQ(failure.reason(), writeCase.reason);
        }
        std::vector<std::string> changed = ChangedOrLeftOver(folder);
        std::erase(changed, writeCase.writtenTo);
        EXPECT_EQ(changed, std::vector<std::string>());
    }
    EXPECT_TRUE(fs::is_symlink(m_folder / "2/linked/link.dat"));
}

TEST_F(SafeFileWrite, KeepsOwnerGroupPermissionsAndExtendedAttributes)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving files to other users needs root";
    const fs::path path = m_folder / "run.dat";
    MakeFile(path);
    EXPECT_EQ(::chown(path.c_str(), OtherUser, OtherGroup), 0);
    ::chmod(path.c_str(), 0640);
    // An access ACL that also lets a group of its own write: version 2, then each entry's tag
    // and permissions (one word, little-endian) and id: the owner, the owning group, the named
    // group, the mask and others.
    const std::vector<std::uint32_t> acl { 2, 0x60001, 0xFFFFFFFF, 0x40004, 0xFFFFFFFF, 0x60008,
        OtherGroup + 1, 0x60010, 0xFFFFFFFF, 0x20, 0xFFFFFFFF };
    const std::string aclBytes(reinterpret_cast<const char*>(acl.data()), acl.size() * 4);
    const bool attributesHeld = ::setxattr(path.c_str(), "user.origin", "lab 3", 5, 0) == 0
        && ::setxattr(path.c_str(), "system.posix_acl_access", aclBytes.data(), aclBytes.size(), 0)
            == 0;
    struct stat before { };
    ::stat(path.c_str(), &before);

    EXPECT_EQ(common::WriteFileSafely(path.string(), "new"), "");
    struct stat after { };
    ::stat(path.c_str(), &after);
    EXPECT_EQ(after.st_uid, OtherUser);
    EXPECT_EQ(after.st_gid, OtherGroup);
    EXPECT_EQ(after.st_mode, before.st_mode);
    if (attributesHeld) {
        char value[64] = {};
        EXPECT_EQ(::getxattr(path.c_str(), "user.origin", value, sizeof value), 5);
        EXPECT_STREQ(value, "lab 3");
        std::string copied(aclBytes.size(), '\0');
        ::getxattr(path.c_str(), "system.posix_acl_access", copied.data(), copied.size());
        EXPECT_EQ(copied, aclBytes);
    }

    // The other user, a member of the group, saving files of a folder all may write to.
    ::chmod(m_folder.c_str(), 0777);
    const fs::path ownFile = m_folder / "own.dat";
    MakeFile(ownFile);
    EXPECT_EQ(::chown(ownFile.c_str(), OtherUser, OtherGroup), 0);
    const fs::path colleaguesFile = m_folder / "colleague.dat";
    MakeFile(colleaguesFile);
    EXPECT_EQ(::chown(colleaguesFile.c_str(), OtherUser + 1, OtherGroup), 0);
    ::chmod(colleaguesFile.c_str(), 0664);
    EXPECT_EQ(WriteAsOtherUser(ownFile), "");
    EXPECT_EQ(WriteAsOtherUser(colleaguesFile),
        "File " + colleaguesFile.string() + " was written, but its owner "
            + std::to_string(OtherUser + 1) + " could not be kept: it now belongs to "
            + std::to_string(OtherUser) + " (group " + std::to_string(OtherGroup) + ")");
    ::stat(colleaguesFile.c_str(), &after);
    EXPECT_EQ(after.st_gid, OtherGroup);
    EXPECT_EQ(after.st_mode & 07777, 0664u);
    EXPECT_EQ(Content(colleaguesFile), "new");
}

TEST_F(SafeFileWrite, LeavesNothingBehindWhenInterrupted)
{
    const fs::path path = m_folder / "graph.png";
    for (const int signal : { SIGINT, SIGTERM, SIGKILL }) {
        SCOPED_TRACE(signal);
        MakeFile(path);
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            writeStartedPipe = pipeEnds[1];
            try {
                (void)common::WriteFileSafely(path.string(), "new", WriteThatWaits);
            } catch (...) {
            }
            ::_exit(0);
        }
        char started = 0;
        ASSERT_EQ(::read(pipeEnds[0], &started, 1), 1);
        ::kill(child, signal);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        EXPECT_TRUE(WIFSIGNALED(status));
        // A killed write may leave its new file behind where it had to have a name; the next
        // write of that name removes it.
        if (signal == SIGKILL) {
            EXPECT_EQ(common::WriteFileSafely(path.string(), "old"), "");
        }
        EXPECT_EQ(ChangedOrLeftOver(m_folder), std::vector<std::string>());
    }
}
