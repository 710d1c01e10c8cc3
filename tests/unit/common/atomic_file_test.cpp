#include "atomic_file.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using namespace testsupport;

long Files(const std::string& folder) {
    return std::distance(fs::directory_iterator(folder), {});
}

TEST(AtomicFile, ReplacesTheFileOrALinksTargetWholeElseWritesInPlaceAndLeavesNoTemporaryFileOfItsOwnOrOfAKilledSave) {
    TempDirectory dir;
    const std::string path = dir.File("test.ini");
    const std::string folder = dir.File("program"), target = folder + "/Folivex.ini";
    fs::create_directory(folder);
    WriteFile(target, "[S]\r\nK=old\r\n");
    fs::create_symlink("program/Folivex.ini", path);
    const auto before = fs::status(target).permissions();
    // Hold the old file open: an in-place write would change what this reader sees.
    std::ifstream reader(target, std::ios::binary);
    ASSERT_TRUE(fileio::WriteFileAtomically(path, "[S]\r\nK=new\r\n"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "[S]\r\nK=old\r\n");
    EXPECT_EQ(std::tuple(fs::is_symlink(path), ReadFile(path), fs::status(target).permissions()),
              std::tuple(true, "[S]\r\nK=new\r\n", before));

    EXPECT_FALSE(fileio::WriteFileAtomically(dir.File("missing/test.ini"), "V"));
    fs::create_directory(dir.File("taken.ini"));  // a directory where the file should be cannot be replaced
    EXPECT_FALSE(fileio::WriteFileAtomically(dir.File("taken.ini"), "V"));
    EXPECT_EQ(Files(dir.path), 3);

    // Root writes into any folder, so the write runs as a user whom the folder refuses.
    using fs::perms;
    fs::permissions(dir.path, perms::others_exec, fs::perm_options::add);
    fs::permissions(target, perms::owner_all | perms::group_all | perms::others_read | perms::others_write);
    fs::permissions(folder, perms::owner_read | perms::owner_exec | perms::others_read | perms::others_exec);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        ::_exit(fileio::WriteFileAtomically(target, "[S]\r\nK=in place\r\n") ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    fs::permissions(folder, perms::owner_all);
    EXPECT_EQ(std::tuple(status, ReadFile(path), Files(folder)), std::tuple(0, "[S]\r\nK=in place\r\n", 1L));

    // What a killed save left goes at the next save; what a save may be writing now stays.
    for (const char* suffix : {".Ab12Z9", ".Cd34Y8", ".bak"}) WriteFile(target + suffix, "left");
    fs::last_write_time(target + ".Ab12Z9", fs::file_time_type::clock::now() - std::chrono::minutes(2));
    fs::last_write_time(target + ".bak", fs::file_time_type::clock::now() - std::chrono::minutes(2));
    ASSERT_TRUE(fileio::WriteFileAtomically(path, "V"));
    EXPECT_EQ(std::tuple(fs::exists(target + ".Ab12Z9"), fs::exists(target + ".Cd34Y8"), fs::exists(target + ".bak")),
              std::tuple(false, true, true));
}

}  // namespace
