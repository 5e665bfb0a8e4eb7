// The emulated camera's state file when it is damaged, is no file at all or cannot be written.
#include "state_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "emulated_camera.h"
#include "file_lock.h"
#include "state_format.h"
#include "temporary_directory.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "killed_writer.h"
#endif

namespace {

using k47::EmulatedCamera;

std::string readFile(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

int32_t connect(EmulatedCamera& camera) {
    uint8_t buffer[6] = {};
    int32_t flag = 0;
    camera.Init_Device(buffer, &flag);
    return flag;
}

int32_t logIn(EmulatedCamera& camera) {
    int32_t flag = 0;
    camera.Qumat_Login(0, "000000", &flag);
    return flag;
}

int32_t changeIdentity(EmulatedCamera& camera) {
    uint8_t identity[94] = {'Z'};
    int32_t flag = 0;
    camera.WriteZFYInfo(identity, "000000", &flag);
    return flag;
}

const std::string kFactoryText = k47::formatState(k47::factorySettings());
const std::string kDamagedText = "[Kamera]\n";

struct InvalidCase {
    const char* name;
    std::string content;
    std::string reason;  // in the report
    int earlierInvalidFiles = 0;
};

void PrintTo(const InvalidCase& invalidCase, std::ostream* stream) {
    *stream << invalidCase.name;
}

std::filesystem::path keptName(const std::filesystem::path& stateFile, int number) {
    auto kept = stateFile;
    kept += number == 0 ? ".invalid" : ".invalid." + std::to_string(number);
    return kept;
}

class StateFileInvalidTest : public testing::TestWithParam<InvalidCase> {
  protected:
    testing_support::TemporaryDirectory directory;
    const std::filesystem::path stateFile = directory / "camera.ini";
};

TEST_P(StateFileInvalidTest, IsReportedOnceKeptAsideAndReplacedByTheFactorySettings) {
    const auto& invalid = GetParam();
    writeFile(stateFile, invalid.content);
    for (int number = 0; number < invalid.earlierInvalidFiles; ++number) {
        writeFile(keptName(stateFile, number), "earlier " + std::to_string(number));
    }
    const auto keptFile = keptName(stateFile, invalid.earlierInvalidFiles);

    EmulatedCamera camera(stateFile);
    testing::internal::CaptureStderr();
    EXPECT_EQ(connect(camera), 1);
    EXPECT_EQ(logIn(camera), 1);
    EXPECT_EQ(changeIdentity(camera), 1);
    const std::string report = testing::internal::GetCapturedStderr();

    EXPECT_NE(report.find(invalid.reason), std::string::npos) << report;
    EXPECT_NE(report.find(keptFile.string()), std::string::npos) << report;
    EXPECT_EQ(std::ranges::count(report, '\n'), 1) << report;
    auto expected = k47::factorySettings();
    expected.deviceId = "Z";
    expected.officerId = "";
    EXPECT_EQ(k47::parseState(readFile(stateFile)).state, expected);
    EXPECT_TRUE(readFile(keptFile) == invalid.content);
    for (int number = 0; number < invalid.earlierInvalidFiles; ++number) {
        EXPECT_EQ(readFile(keptName(stateFile, number)), "earlier " + std::to_string(number));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, StateFileInvalidTest,
    testing::Values(
        InvalidCase{"binary",
                    std::string("\x7f"
                                "ELF\0\x01\x02",
                                7),
                    "not a text file"},
        InvalidCase{"unknown section", "[Kamera]\nAttached=1\n", "line 1: unknown section"},
        InvalidCase{"cut in the middle of a line",
                    kFactoryText.substr(0, kFactoryText.find("DeviceAnswer=") + 6),
                    "expected a [section] or a key=value line"},
        InvalidCase{"larger than a state file", std::string(70 * 1024, ';'), "too large"},
        InvalidCase{"earlier invalid files kept", "[Kamera]\n", "unknown section", 2}));

TEST(StateFileTest, SeesAnEditThatKeepsTheFilesSizeAtTheNextLoad) {
    testing_support::TemporaryDirectory directory;
    const auto path = directory / "camera.ini";
    k47::StateFile file(path);
    for (const char* ssid : {"AAAA", "BBBB", "AAAA"}) {
        writeFile(path, std::string("[Network]\nSsid=") + ssid + "\n");
        EXPECT_EQ(file.load()->ssid, ssid);
    }
}

#ifndef _WIN32  // modes, pipes, sockets, links, descriptor limits, owners and forked writers

// Root reads and writes whatever the modes say; cases about modes cannot run as root.
bool modesApply() {
    return ::geteuid() != 0;
}

std::string deviceId(EmulatedCamera& camera) {
    char identity[94] = {};
    int32_t flag = 0;
    camera.GetZFYInfo(reinterpret_cast<uint8_t*>(identity), "000000", &flag);
    return flag == 1 ? std::string(identity, ::strnlen(identity, 8)) : "";
}

// What stands at a path: a move aside or a rewrite changes its inode or times.
std::string snapshot(const std::filesystem::path& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return std::to_string(status.st_mode) + " " + std::to_string(status.st_ino) + " " +
           std::to_string(status.st_size) + " " + std::to_string(status.st_mtim.tv_nsec);
}

// What stands at the state path and gives no text: the camera fails every call, says why once,
// and leaves it as it was.
struct RefusedCase {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
    std::string reason;  // in the report
    bool outOfDescriptors = false;
};

void PrintTo(const RefusedCase& refused, std::ostream* stream) {
    *stream << refused.name;
}

class StateFileRefusedTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(StateFileRefusedTest, EveryCallFailsWithOneReportAndNothingIsMoved) {
    const auto& refused = GetParam();
    if (refused.reason.ends_with("Permission denied") && !modesApply()) {
        GTEST_SKIP() << "root reads every file";
    }
    testing_support::TemporaryDirectory directory;
    const auto stateFile = directory / "camera.ini";
    refused.make(stateFile);
    const auto before = snapshot(stateFile);

    EmulatedCamera camera(stateFile);
    testing::internal::CaptureStderr();
    rlimit descriptors{};
    ::getrlimit(RLIMIT_NOFILE, &descriptors);
    if (refused.outOfDescriptors) {
        // The lowest free descriptor becomes the limit: the next open fails with EMFILE.
        const int lowestFree = ::dup(0);
        ::close(lowestFree);
        const rlimit exhausted{static_cast<rlim_t>(lowestFree), descriptors.rlim_max};
        ::setrlimit(RLIMIT_NOFILE, &exhausted);
    }
    EXPECT_EQ(connect(camera), 0);
    EXPECT_EQ(logIn(camera), 0);
    EXPECT_EQ(changeIdentity(camera), 0);
    ::setrlimit(RLIMIT_NOFILE, &descriptors);
    const std::string report = testing::internal::GetCapturedStderr();

    EXPECT_NE(report.find(refused.reason), std::string::npos) << report;
    EXPECT_NE(report.find(stateFile.string()), std::string::npos) << report;
    EXPECT_EQ(std::ranges::count(report, '\n'), 1) << report;
    EXPECT_EQ(snapshot(stateFile), before);
    EXPECT_FALSE(std::filesystem::exists(keptName(stateFile, 0)));
    if (!std::filesystem::is_regular_file(stateFile)) {
        EXPECT_FALSE(std::filesystem::exists(stateFile.string() + ".lock"));
    }
    if (refused.outOfDescriptors) {
        EXPECT_EQ(connect(camera), 1);
        EXPECT_EQ(logIn(camera), 1);
        EXPECT_EQ(deviceId(camera), "KEEP");
    }
}

void writeKeptState(const std::filesystem::path& path) {
    auto state = k47::factorySettings();
    state.deviceId = "KEEP";
    writeFile(path, k47::formatState(state));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, StateFileRefusedTest,
    testing::Values(
        RefusedCase{"directory",
                    [](const auto& path) {
                        std::filesystem::create_directory(path);
                        writeKeptState(path / "inside");
                    },
                    "it is a directory"},
        RefusedCase{"named pipe", [](const auto& path) { ::mkfifo(path.c_str(), 0600); },
                    "it is a named pipe"},
        RefusedCase{"link to a device",
                    [](const auto& path) { std::filesystem::create_symlink("/dev/null", path); },
                    "it is a device"},
        RefusedCase{"socket",
                    [](const auto& path) {
                        sockaddr_un address{AF_UNIX, {}};
                        path.string().copy(address.sun_path, sizeof address.sun_path - 1);
                        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
                        ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
                        ::close(socket);
                    },
                    "it is a socket"},
        RefusedCase{"unreadable",
                    [](const auto& path) {
                        writeKeptState(path);
                        std::filesystem::permissions(path, std::filesystem::perms::owner_write);
                    },
                    "cannot be read: Permission denied"},
        RefusedCase{"out of file descriptors", writeKeptState,
                    "cannot be read: Too many open files", true}));

// Places where no change can be kept: every change fails, the reason is reported once, and what
// is there stays as it was.
struct UnwritableCase {
    const char* name;
    enum Kind { folderIsAFile, damagedInReadOnlyFolder, readOnlyFolder, closedFolder };
    Kind kind;
};

void PrintTo(const UnwritableCase& unwritable, std::ostream* stream) {
    *stream << unwritable.name;
}

class StateFileUnwritableTest : public testing::TestWithParam<UnwritableCase> {
  protected:
    testing_support::TemporaryDirectory directory;
};

TEST_P(StateFileUnwritableTest, ChangesFailWithOneReportAndNothingIsLost) {
    const auto kind = GetParam().kind;
    if (kind != UnwritableCase::folderIsAFile && !modesApply()) {
        GTEST_SKIP() << "root writes in every folder";
    }
    const auto folder = directory / "state";
    auto stateFile = folder / "camera.ini";
    switch (kind) {
        case UnwritableCase::folderIsAFile:
            writeFile(folder, "a file");
            break;
        case UnwritableCase::damagedInReadOnlyFolder:
        case UnwritableCase::readOnlyFolder:
        case UnwritableCase::closedFolder:
            std::filesystem::create_directory(folder);
            writeFile(stateFile, kind == UnwritableCase::damagedInReadOnlyFolder ? kDamagedText
                                                                                 : kFactoryText);
            std::filesystem::permissions(
                folder, std::filesystem::perms(kind == UnwritableCase::closedFolder ? 0 : 0500));
            break;
    }

    EmulatedCamera camera(stateFile);
    testing::internal::CaptureStderr();
    // A closed folder hides the file too, and the camera answers nothing it cannot read.
    const int32_t answers = kind == UnwritableCase::closedFolder ? 0 : 1;
    EXPECT_EQ(connect(camera), answers);
    EXPECT_EQ(logIn(camera), answers);
    EXPECT_EQ(changeIdentity(camera), 0);
    EXPECT_EQ(changeIdentity(camera), 0);
    const std::string report = testing::internal::GetCapturedStderr();
    std::filesystem::permissions(folder, std::filesystem::perms(0700));

    EXPECT_NE(report.find(stateFile.string()), std::string::npos) << report;
    EXPECT_EQ(std::ranges::count(report, '\n'), 1) << report;
    switch (kind) {
        case UnwritableCase::folderIsAFile:
            EXPECT_EQ(readFile(folder), "a file");
            break;
        case UnwritableCase::damagedInReadOnlyFolder:
            EXPECT_EQ(readFile(stateFile), kDamagedText);
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
            break;
        default:
            EXPECT_EQ(readFile(stateFile), kFactoryText);
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, StateFileUnwritableTest,
    testing::Values(UnwritableCase{"folder that is a file", UnwritableCase::folderIsAFile},
                    UnwritableCase{"damaged file in a read-only folder",
                                   UnwritableCase::damagedInReadOnlyFolder},
                    UnwritableCase{"read-only folder", UnwritableCase::readOnlyFolder},
                    UnwritableCase{"folder closed to everyone", UnwritableCase::closedFolder}));

// An edit that keeps the file's size, inode and, within the clock's tick, its times is still seen
// at the next load.

TEST(StateFileKilled, WriterKilledAtAnyMomentLeavesTheOldOrTheNewState) {
    testing_support::TemporaryDirectory directory;
    const auto path = directory / "camera.ini";
    auto first = k47::factorySettings();
    auto second = k47::factorySettings(k47::Model::stc);
    second.firmware = std::string(2000, 'F');
    k47::StateFile(path).save(first);

    std::mt19937 random(std::random_device{}());
    for (int kill = 0; kill < 20; ++kill) {
        ASSERT_TRUE(testing_support::killWhileWriting(
            [&] {
                k47::StateFile file(path);
                file.save(second);
                file.save(first);
            },
            std::chrono::milliseconds(30), random));
        const auto content = readFile(path);
        ASSERT_TRUE(content == k47::formatState(first) || content == k47::formatState(second))
            << "after kill " << kill << ": " << content.size() << " bytes";
    }
}

// Processes that change different records at the same time: each call sees the one before, so
// every write is read back and none is undone by another process's rewrite.
TEST(StateFileConcurrent, WritersOfDifferentRecordsLoseNothing) {
    using Transfer = void (EmulatedCamera::*)(int32_t, char*, int32_t*);
    const Transfer transfers[] = {&EmulatedCamera::Qumat_ApnUser, &EmulatedCamera::Qumat_ApnPsw,
                                  &EmulatedCamera::Qumat_SN_Info};
    constexpr int kRounds = 150;
    testing_support::TemporaryDirectory directory;
    const auto path = directory / "camera.ini";

    std::vector<pid_t> writers;
    for (std::size_t writer = 0; writer < std::size(transfers); ++writer) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child > 0) {
            writers.push_back(child);
            continue;
        }
        EmulatedCamera camera(path);
        if (connect(camera) != 1 || logIn(camera) != 1) {
            ::_exit(2);
        }
        for (int round = 0; round < kRounds; ++round) {
            char written[64] = {};
            char read[64] = {};
            std::snprintf(written, sizeof written, "w%zu-%d", writer, round);
            int32_t writeFlag = 0;
            int32_t readFlag = 0;
            (camera.*transfers[writer])(1, written, &writeFlag);
            (camera.*transfers[writer])(0, read, &readFlag);
            if (writeFlag != 1 || readFlag != 1 || std::strcmp(written, read) != 0) {
                ::_exit(1);
            }
        }
        ::_exit(0);
    }
    for (const pid_t writer : writers) {
        int status = -1;
        ::waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    const auto last = "-" + std::to_string(kRounds - 1);
    const auto state = k47::StateFile(path).load();
    ASSERT_TRUE(state);
    EXPECT_EQ(state->apnUser, "w0" + last);
    EXPECT_EQ(state->apnPassword, "w1" + last);
    EXPECT_EQ(state->serialNumber, "w2" + last);
}

// A rewrite by root leaves a user's file theirs, and removes the temporaries of killed writers,
// which hold passwords, but none that a writer may still be at or that is not ours.
TEST(StateFileTest, ARewriteKeepsTheOwnerAndRemovesOnlyStaleTemporariesOfItsOwn) {
    struct Leftover {
        const char* name;
        bool old;
        unsigned mode;
        bool removed;
    };
    const Leftover leftovers[] = {
        {"camera.ini.tmp-a1B2c3", true, 0600, true},  {"camera.ini.tmp-d4E5f6", false, 0600, false},
        {"camera.ini.tmp-g7H8i9", true, 0644, false}, {"camera.ini.backup", true, 0600, false},
        {"other.ini.tmp-m2N3o4", true, 0600, false},
    };
    testing_support::TemporaryDirectory directory;
    for (const auto& leftover : leftovers) {
        writeFile(directory / leftover.name, "AdminPassword=123456\n");
        std::filesystem::permissions(directory / leftover.name,
                                     std::filesystem::perms(leftover.mode));
        if (leftover.old) {
            std::filesystem::last_write_time(
                directory / leftover.name,
                std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));
        }
    }
    const auto path = directory / "camera.ini";
    writeFile(path, kFactoryText);
    const bool givenAway = !modesApply() && ::chown(path.c_str(), 65534, 65534) == 0;

    ASSERT_TRUE(k47::StateFile(path).save(k47::factorySettings(k47::Model::stc)));

    for (const auto& leftover : leftovers) {
        EXPECT_EQ(std::filesystem::exists(directory / leftover.name), !leftover.removed)
            << leftover.name;
    }
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    if (givenAway) {
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 65534u);
    }
}

#endif

}  // namespace

#ifndef _WIN32  // links and owners

// A state file reached through a link is read and replaced where the link points, and the
// factory settings that replace a damaged file are its owner's.
TEST(StateFileTest, ALinkStaysALinkAndADamagedFilesReplacementKeepsItsOwner) {
    testing_support::TemporaryDirectory directory;
    std::filesystem::create_directory(directory / "real");
    const auto target = directory / "real" / "t.ini";
    writeFile(target, "[Bogus]\n");
    const bool givenAway = !modesApply() && ::chown(target.c_str(), 65534, 65534) == 0;
    std::filesystem::create_symlink("real/t.ini", directory / "camera.ini");
    k47::StateFile file(directory / "camera.ini");

    testing::internal::CaptureStderr();
    auto state = file.load();
    testing::internal::GetCapturedStderr();
    ASSERT_TRUE(state);
    EXPECT_EQ(readFile(directory / "real" / "t.ini.invalid"), "[Bogus]\n");
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    if (givenAway) {
        EXPECT_EQ(std::pair(status.st_uid, status.st_gid), std::pair(65534u, 65534u));
    }

    state->ssid = "Linked";
    ASSERT_TRUE(file.save(*state));
    EXPECT_TRUE(std::filesystem::is_symlink(directory / "camera.ini"));
    EXPECT_NE(readFile(target).find("Linked"), std::string::npos);
}

#endif

// While another process holds the lock, the first call waits for it a little and the calls that
// follow soon after do not wait again: a window's burst of calls fails in one wait, and a change
// is refused rather than made behind the holder's back. Once freed, the lock serves at once.
TEST(StateFileTest, ALockHeldElsewhereCostsOneShortWaitAndFailsTheChanges) {
    testing_support::TemporaryDirectory directory;
    const auto stateFile = directory / "camera.ini";
    platform::FileLock holder;
    ASSERT_EQ(holder.take(stateFile.string() + ".lock"), std::nullopt);

    EmulatedCamera camera(stateFile);
    testing::internal::CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    connect(camera);
    logIn(camera);
    EXPECT_EQ(changeIdentity(camera), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("another process holds it"),
              std::string::npos);

    holder.release();
    EXPECT_EQ(connect(camera), 1);
    EXPECT_EQ(logIn(camera), 1);
    EXPECT_EQ(changeIdentity(camera), 1);
}
