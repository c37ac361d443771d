// tests/common/safe_file_write_test.cpp: a file replaced whole or left as it was.
#include "common/safe_file_write.h"

#include "common/failure.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A folder of the test's own, removed with it.
class SafeFileWrite : public ::testing::Test {
protected:
    SafeFileWrite()
        : m_folder(fs::path(::testing::TempDir())
            / ("safe_file_write_" + std::to_string(getpid()) + "_"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        fs::create_directories(m_folder);
    }
    ~SafeFileWrite() override
    {
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_folder);
    }

    std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

    static std::string Content(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    static void Put(const std::string& path, const std::string& content)
    {
        std::ofstream(path, std::ios::binary) << content;
    }

    int EntryCount() const
    {
        return static_cast<int>(std::distance(fs::directory_iterator(m_folder), {}));
    }

    fs::path m_folder;
};

// A disk that fills after 5 bytes: a short count first, then ENOSPC.
std::size_t bytesLeftOnDisk = 0;
ssize_t WriteToFullingDisk(int descriptor, const void* bytes, std::size_t count)
{
    if (bytesLeftOnDisk == 0) {
        errno = ENOSPC;
        return -1;
    }
    const std::size_t written = std::min(count, bytesLeftOnDisk);
    bytesLeftOnDisk -= written;
    return ::write(descriptor, bytes, written);
}

} // namespace

TEST_F(SafeFileWrite, ReplacesTheContentAndKeepsThePermissions)
{
    const std::string path = PathOf("graph.svg");
    Put(path, "an older and longer graph");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    common::WriteFileSafely(path, "new");
    EXPECT_EQ(Content(path), "new");
    EXPECT_EQ(fs::status(path).permissions(),
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(EntryCount(), 1);

    // Through a symbolic link: the file it names gets the content, the link stays.
    const std::string link = PathOf("link.svg");
    fs::create_symlink(path, link);
    common::WriteFileSafely(link, "newer");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Content(path), "newer");
}

TEST_F(SafeFileWrite, LeavesTheOldFileWhenItCannotWriteIt)
{
    const std::string old = PathOf("old.png");
    Put(old, "old graph");
    const std::string readOnly = PathOf("read-only.png");
    Put(readOnly, "kept");
    fs::permissions(readOnly, fs::perms::owner_read);

    struct FailingCase {
        const char* name;
        std::string path;
        common::WriteCall write;
    };
    std::vector<FailingCase> cases {
        { "a disk that fills up", old, WriteToFullingDisk },
        { "a missing folder", PathOf("missing/graph.png"), ::write },
        { "a folder in the file's place", m_folder.string(), ::write },
    };
    // Root may write any file: the permission is then no hindrance.
    if (geteuid() != 0)
        cases.push_back({ "a file the user may not write", readOnly, ::write });
    for (const auto& failing : cases) {
        SCOPED_TRACE(failing.name);
        bytesLeftOnDisk = 5;
        try {
            common::WriteFileSafely(failing.path, "a new graph of many bytes", failing.write);
            ADD_FAILURE() << "no failure";
        } catch (const common::Failure& failure) {
            EXPECT_EQ(std::string(failure.what()), "Cannot create file " + failing.path);
        }
    }
    EXPECT_EQ(Content(old), "old graph");
    EXPECT_EQ(Content(readOnly), "kept");
    EXPECT_EQ(EntryCount(), 2);
}
