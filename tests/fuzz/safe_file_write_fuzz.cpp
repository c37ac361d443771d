// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fuzz/safe_file_write_fuzz.cpp: the safe writer's path rules on a scratch folder of files,
// folders, FIFOs and links (chains, loops, dangling, through folders, in a sticky shared folder,
// planted there by another user when run as root): a write either changes exactly the file the
// name leads to, which then holds the new bytes, or changes nothing; it never leaves a new file
// behind.
// Input: instructions of two bytes, each making one entry of the tree: the first byte's low
// three bits say what (file, folder, FIFO, link, link of another user), the rest of it and the
// second byte where and, for a link, to what. The last instruction names the file to write.
// Every path stays inside the scratch folder: links lead to names of the tree, never to "..".
#include "common/failure.h"
#include "common/safe_file_write.h"
#include "fuzz_input.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr uid_t OtherUser = 1234;
constexpr std::string_view NewBytes = "new content";

// The scratch folder of this process: on a file system in memory where there is one.
const fs::path& ScratchFolder()
{
    static const fs::path folder = [] {
        const fs::path base = fs::is_directory("/dev/shm") && ::access("/dev/shm", W_OK) == 0
            ? fs::path("/dev/shm")
            : fs::temp_directory_path();
        std::string name = (base / "safe_file_write_fuzz_XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr)
            std::abort();
        return fs::path(name);
    }();
    return folder;
}

// Names of the tree: two folders (one sticky and shared), and plain names in each place.
constexpr std::string_view Places[] = { "", "d/", "s/", "d/e/" };
constexpr std::string_view Names[] = { "a", "b", "c", "d", "e", "s", ".", "" };

std::string PathOf(std::uint8_t place, std::uint8_t name)
{
    return std::string(Places[place % 4]) + std::string(Names[name % 8]);
}

// A new regular file holding "old"; nothing where something is already (a FIFO would wait).
void MakeOldFile(const fs::path& path)
{
    const int descriptor
        = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (descriptor >= 0) {
        fuzz::Require(::write(descriptor, "old", 3) == 3, "the scratch folder takes files");
        ::close(descriptor);
    }
}

std::string Content(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Every regular file of the tree (not through links) and its content.
std::map<std::string, std::string> RegularFiles(const fs::path& root)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = entry.path().lexically_relative(root).string();
        fuzz::Require(
            entry.path().filename().string().find(".varnek-") != 0, "no new file is left behind");
        if (!entry.is_symlink() && entry.is_regular_file())
            files[name] = Content(entry.path());
    }
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const fs::path root = ScratchFolder() / "tree";
    fs::remove_all(root);
    fs::create_directories(root / "d/e");
    fs::create_directory(root / "s");
    ::chmod((root / "s").c_str(), 01777);

    fuzz::FuzzInput input(bytes, size);
    std::string target = "a";
    while (!input.Rest().empty()) {
        const std::uint8_t what = input.TakeByte();
        const std::uint8_t where = input.TakeByte();
        const fs::path path = root / PathOf(what >> 3, where);
        const std::string other = PathOf(where >> 3, where >> 5);
        switch (what % 8) {
        case 0:
            MakeOldFile(path);
            break;
        case 1: {
            std::error_code failure;
            fs::create_directory(path, failure);
            break;
        }
        case 2:
            ::mkfifo(path.c_str(), 0644);
            break;
        case 3:
            ::symlink(other.c_str(), path.c_str());
            break;
        case 4:
            ::symlink((root / other).c_str(), path.c_str());
            break;
        case 5:
            // Planted: another user's link, which only root can make.
            if (::symlink((root / other).c_str(), path.c_str()) == 0)
                ::lchown(path.c_str(), OtherUser, static_cast<gid_t>(-1));
            break;
        case 6:
            // A name of 255 bytes, and one too long.
            MakeOldFile(root / std::string(255, 'x'));
            target = std::string(255 + where % 2, 'x');
            break;
        default:
            target = PathOf(where >> 3, where);
        }
    }

    const std::map<std::string, std::string> before = RegularFiles(root);
    const std::string name = (root / target).string();
    bool written = false;
    try {
        (void)common::WriteFileSafely(name, NewBytes);
        written = true;
    } catch (const common::Failure& failure) {
        fuzz::Require(std::string_view(failure.what()).starts_with("Cannot create file "),
            "a refusal says which file it could not create");
    }
    const std::map<std::string, std::string> after = RegularFiles(root);

    std::size_t changed = 0;
    for (const auto& [file, content] : after) {
        const auto old = before.find(file);
        if (old == before.end() || old->second != content) {
            ++changed;
            fuzz::Require(content == NewBytes, "a changed file holds the new bytes");
        }
    }
    for (const auto& [file, content] : before)
        fuzz::Require(after.contains(file), "no file goes away");
    fuzz::Require(changed <= 1, "at most one file changes");
    if (written) {
        // The file the name leads to, as the kernel follows it: the writer refused the links it
        // would not follow.
        const int descriptor = ::open(name.c_str(), O_RDONLY | O_NONBLOCK);
        fuzz::Require(descriptor >= 0, "the written name opens");
        ::close(descriptor);
        fuzz::Require(Content(name) == NewBytes, "the written name holds the new bytes");
    } else {
        fuzz::Require(changed == 0, "a refused write changes nothing");
    }
    return 0;
}
