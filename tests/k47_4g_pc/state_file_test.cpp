// The emulated camera's state file when it is damaged, is no file at all or cannot be written.
#include "state_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "emulated_camera.h"
#include "killed_writer.h"
#include "state_format.h"
#include "temporary_directory.h"

namespace {

using k47::EmulatedCamera;

std::string readFile(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Root reads and writes whatever the modes say; cases about modes cannot run as root.
bool modesApply() {
    return ::geteuid() != 0;
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

struct InvalidCase {
    const char* name;
    std::string content;
    std::string reason;  // in the report
    enum Kind { file, directory, namedPipe, unreadableFile };
    Kind kind = file;
};

void PrintTo(const InvalidCase& invalidCase, std::ostream* stream) {
    *stream << invalidCase.name;
}

class StateFileInvalidTest : public testing::TestWithParam<InvalidCase> {
  protected:
    testing_support::TemporaryDirectory directory;
    const std::filesystem::path stateFile = directory / "camera.ini";
    const std::filesystem::path keptFile = directory / "camera.ini.invalid";
};

TEST_P(StateFileInvalidTest, IsReportedOnceKeptAsideAndReplacedByTheFactorySettings) {
    const auto& invalid = GetParam();
    if (invalid.kind == InvalidCase::unreadableFile && !modesApply()) {
        GTEST_SKIP() << "root reads every file";
    }
    switch (invalid.kind) {
        case InvalidCase::directory:
            std::filesystem::create_directory(stateFile);
            writeFile(stateFile / "inside", invalid.content);
            break;
        case InvalidCase::namedPipe:
            ASSERT_EQ(::mkfifo(stateFile.c_str(), 0600), 0);
            break;
        default:
            writeFile(stateFile, invalid.content);
            std::filesystem::permissions(stateFile, invalid.kind == InvalidCase::unreadableFile
                                                        ? std::filesystem::perms::owner_write
                                                        : std::filesystem::perms::owner_all);
    }

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
    switch (invalid.kind) {
        case InvalidCase::directory:
            EXPECT_EQ(readFile(keptFile / "inside"), invalid.content);
            break;
        case InvalidCase::namedPipe:
            EXPECT_TRUE(std::filesystem::is_fifo(keptFile));
            break;
        default:
            std::filesystem::permissions(keptFile, std::filesystem::perms::owner_read,
                                         std::filesystem::perm_options::add);
            EXPECT_TRUE(readFile(keptFile) == invalid.content);
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
        InvalidCase{"directory", kFactoryText, "it is a directory", InvalidCase::directory},
        InvalidCase{"named pipe", "", "not a regular file", InvalidCase::namedPipe},
        InvalidCase{"unreadable", kFactoryText, "cannot be read: Permission denied",
                    InvalidCase::unreadableFile}));

// Places where no change can be kept: every change fails, the reason is reported once, and what
// is there stays as it was.
struct UnwritableCase {
    const char* name;
    enum Kind { folderIsAFile, invalidNameTaken, readOnlyFolder, closedFolder };
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
    if ((kind == UnwritableCase::readOnlyFolder || kind == UnwritableCase::closedFolder) &&
        !modesApply()) {
        GTEST_SKIP() << "root writes in every folder";
    }
    const auto folder = directory / "state";
    auto stateFile = folder / "camera.ini";
    switch (kind) {
        case UnwritableCase::folderIsAFile:
            writeFile(folder, "a file");
            break;
        case UnwritableCase::invalidNameTaken:
            std::filesystem::create_directories(stateFile);
            std::filesystem::create_directories(folder / "camera.ini.invalid" / "taken");
            break;
        case UnwritableCase::readOnlyFolder:
        case UnwritableCase::closedFolder:
            std::filesystem::create_directory(folder);
            writeFile(stateFile, kFactoryText);
            std::filesystem::permissions(
                folder, std::filesystem::perms(kind == UnwritableCase::closedFolder ? 0 : 0500));
            break;
    }

    EmulatedCamera camera(stateFile);
    testing::internal::CaptureStderr();
    EXPECT_EQ(connect(camera), 1);
    EXPECT_EQ(logIn(camera), 1);
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
        case UnwritableCase::invalidNameTaken:
            EXPECT_TRUE(std::filesystem::is_empty(stateFile));
            EXPECT_TRUE(std::filesystem::is_directory(folder / "camera.ini.invalid" / "taken"));
            break;
        default:
            EXPECT_EQ(readFile(stateFile), kFactoryText);
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, StateFileUnwritableTest,
    testing::Values(UnwritableCase{"folder that is a file", UnwritableCase::folderIsAFile},
                    UnwritableCase{"directory whose invalid name is taken",
                                   UnwritableCase::invalidNameTaken},
                    UnwritableCase{"read-only folder", UnwritableCase::readOnlyFolder},
                    UnwritableCase{"folder closed to everyone", UnwritableCase::closedFolder}));

// An edit that keeps the file's size, inode and, within the clock's tick, its times is still seen
// at the next load.
TEST(StateFileTest, SeesAnEditThatKeepsTheFilesSizeAtTheNextLoad) {
    testing_support::TemporaryDirectory directory;
    const auto path = directory / "camera.ini";
    k47::StateFile file(path);
    for (const char* ssid : {"AAAA", "BBBB", "AAAA"}) {
        writeFile(path, std::string("[Network]\nSsid=") + ssid + "\n");
        EXPECT_EQ(file.load().ssid, ssid);
    }
}

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

}  // namespace
