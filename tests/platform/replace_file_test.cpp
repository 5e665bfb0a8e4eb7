#include "replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "temporary_directory.h"

namespace {

using platform::replaceFile;

std::string contentOf(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// What a killed writer left is removed at the next write; what a live writer or someone else may
// still need stays.
TEST(ReplaceFileTest, RemovesStaleTemporariesOfItsOwnNamingOnly) {
    testing_support::TemporaryDirectory directory;
    const auto file = directory / "Language.ini";
    const bool root = ::geteuid() == 0;
    const struct {
        const char* name;
        bool stale;
        bool otherUser;
        bool removed;
    } cases[] = {
        {"Language.ini.new-123-0", true, false, true},
        {"Language.ini.new-123-1", false, false, false},
        {"Language.ini.new-123-2", true, true, false},
        {"Language.ini.new-x-1", true, false, false},
        {"Language.ini.new-123-", true, false, false},
        {"Language.ini.old", true, false, false},
        {"Other.ini.new-123-0", true, false, false},
    };
    for (const auto& test : cases) {
        std::ofstream(directory / test.name) << "left over";
        if (test.stale) {
            std::filesystem::last_write_time(
                directory / test.name,
                std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));
        }
        if (test.otherUser && root) {
            ASSERT_EQ(::chown((directory / test.name).c_str(), 65534, 65534), 0);
        }
    }
    ASSERT_FALSE(replaceFile(file, "[Configuration]\r\nLanguage=1\r\n"));

    EXPECT_EQ(contentOf(file), "[Configuration]\r\nLanguage=1\r\n");
    for (const auto& test : cases) {
        // Without root, the other user's file is ours, and stale.
        const bool removed = test.removed || (test.otherUser && !root);
        EXPECT_EQ(std::filesystem::exists(directory / test.name), !removed) << test.name;
    }
}

TEST(ReplaceFileTest, AReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root gives files to another user";
    }
    testing_support::TemporaryDirectory directory;
    const auto file = directory / "profile.ini";
    std::ofstream(file) << "old";
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    const struct {
        platform::Replacement how;
        mode_t mode;
    } cases[] = {{{}, 0640}, {{.ownerOnly = true}, 0600}};
    for (const auto& [how, mode] : cases) {
        ASSERT_FALSE(replaceFile(file, "new", how));
        struct stat status {};
        ASSERT_EQ(::stat(file.c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 65534u);
        EXPECT_EQ(status.st_mode & 07777, mode);
    }
}

// `export /dev/stdout` and the like: a pipe is written into, never replaced by a file.
TEST(ReplaceFileTest, APipeIsWrittenIntoAndADirectoryRefused) {
    testing_support::TemporaryDirectory directory;
    const auto pipe = directory / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = contentOf(pipe); });
    EXPECT_FALSE(replaceFile(pipe, "through the pipe"));
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));

    EXPECT_EQ(replaceFile(directory.path(), "x"), std::errc::is_a_directory);
}

}  // namespace
