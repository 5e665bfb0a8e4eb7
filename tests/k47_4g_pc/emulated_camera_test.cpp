#include "emulated_camera.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "state_format.h"
#include "temporary_directory.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using k47::CameraState;
using k47::EmulatedCamera;
using k47::Function;
using k47::Model;
using Bytes = std::vector<uint8_t>;

std::string readFile(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string text(const Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

// Host time as the state file writes it; such texts sort in time order.
std::string utcText(std::time_t time) {
    std::tm parts{};
#ifdef _WIN32
    gmtime_s(&parts, &time);
#else
    ::gmtime_r(&time, &parts);
#endif
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &parts);
    return buffer;
}

class EmulatedCameraTest : public testing::Test {
  protected:
    void setUpCamera(const std::function<void(CameraState&)>& edit, Model model = Model::common) {
        CameraState state = k47::factorySettings(model);
        edit(state);
        writeFile(stateFile, k47::formatState(state));
    }

    CameraState savedState() const { return k47::parseState(readFile(stateFile)).state.value(); }

    int32_t connect(EmulatedCamera& target) {
        uint8_t buffer[6] = {};
        int32_t flag = 0;
        target.Init_Device(buffer, &flag);
        return flag;
    }

    int32_t logIn(EmulatedCamera& target, const char* password = "000000") {
        int32_t flag = 0;
        target.Qumat_Login(0, password, &flag);
        return flag;
    }

    void connectAndLogIn(EmulatedCamera& target, const char* password = "000000") {
        ASSERT_EQ(connect(target), 1);
        ASSERT_EQ(logIn(target, password), 1);
    }

    Bytes getIdentity(int32_t& flag, const char* password = "000000", uint8_t fill = 0) {
        Bytes record(94, fill);
        flag = 0;
        camera.GetZFYInfo(record.data(), password, &flag);
        return record;
    }

    Bytes getMenu(int32_t size, int32_t& flag) {
        Bytes record(56, 0);
        flag = 0;
        camera.Qumat_GetMenuConfig(record.data(), size, &flag);
        record.resize(size == 32 ? 32 : 56);
        return record;
    }

    testing_support::TemporaryDirectory directory;
    const std::filesystem::path stateFile = directory / "camera.ini";
    const std::filesystem::path journalFile = directory / "journal.txt";
    EmulatedCamera camera{stateFile, journalFile};
};

// Connection, login and mass-storage mode.

TEST_F(EmulatedCameraTest, AnswersNothingButInitDeviceUntilConnectedAndLoggedIn) {
    EXPECT_EQ(logIn(camera), 0);
    EXPECT_EQ(connect(camera), 1);
    int32_t flag = 0;
    getIdentity(flag);
    EXPECT_EQ(flag, 0);
    int32_t answer = 0;
    camera.Qumat_Get4GDevOrNot(&answer);
    EXPECT_EQ(answer, 0);

    EXPECT_EQ(logIn(camera), 1);
    camera.Qumat_Get4GDevOrNot(&answer);
    EXPECT_EQ(answer, 1);
}

TEST_F(EmulatedCameraTest, LoginComparesTheFirstSixBytesWithEitherPassword) {
    ASSERT_EQ(connect(camera), 1);
    EXPECT_EQ(logIn(camera, "000000"), 1);
    EXPECT_EQ(logIn(camera, "111111"), 1);
    EXPECT_EQ(logIn(camera, "0000009"), 1);
    EXPECT_EQ(logIn(camera, "000001"), 0);
    EXPECT_EQ(logIn(camera, "00000"), 0);
    EXPECT_EQ(logIn(camera, ""), 0);
}

TEST_F(EmulatedCameraTest, DetachedCameraRefusesEveryCallAndNeedsANewConnection) {
    connectAndLogIn(camera);
    setUpCamera([](CameraState& state) { state.attached = false; });
    int32_t flag = 0;
    getIdentity(flag);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(connect(camera), 0);

    setUpCamera([](CameraState&) {});
    getIdentity(flag);
    EXPECT_EQ(flag, 0);
    connectAndLogIn(camera);
    getIdentity(flag);
    EXPECT_EQ(flag, 1);
}

TEST_F(EmulatedCameraTest, FunctionsTakingThePasswordWantTheOneOfTheLogin) {
    connectAndLogIn(camera, "111111");
    int32_t flag = 0;
    getIdentity(flag, "000000");
    EXPECT_EQ(flag, 0);
    getIdentity(flag, "111111");
    EXPECT_EQ(flag, 1);

    // A changed password does not end the login made with the old one.
    camera.Qumat_ChangePsw(1, "222222", &flag);
    ASSERT_EQ(flag, 1);
    getIdentity(flag, "111111");
    EXPECT_EQ(flag, 1);
}

TEST_F(EmulatedCameraTest, MassStorageModeRefusesEveryCallUntilTheNextInitDevice) {
    connectAndLogIn(camera);
    int32_t flag = 0;
    camera.SetMSDC("000000", &flag);
    ASSERT_EQ(flag, 1);

    EXPECT_EQ(logIn(camera), 0);
    getIdentity(flag);
    EXPECT_EQ(flag, 0);
    camera.Qumat_SetDefault(&flag);
    EXPECT_EQ(flag, 0);

    connectAndLogIn(camera);
    getIdentity(flag);
    EXPECT_EQ(flag, 1);
}

// Records: what is written is kept, also for the next process.

TEST_F(EmulatedCameraTest, WrittenRecordsAreReadBackByAnotherInstance) {
    connectAndLogIn(camera);
    Bytes identity(94, 0);
    std::ranges::copy(std::string("D77"), identity.begin());
    std::ranges::copy(std::string("OFF123"), identity.begin() + 8);
    Bytes network(103, 0);
    network[0] = 1;
    std::ranges::copy(std::string("ABCDEFGHIJKLMNOP"), network.begin() + 1);  // a full SSID
    std::ranges::copy(std::string("10.0.0.1"), network.begin() + 77);
    std::array<char, 33> apnUser{"operator\xE9"};
    std::array<char, 16> serial{"SN-1"};
    Bytes menu(32, 0x01);
    int32_t flag = 0;
    camera.WriteZFYInfo(identity.data(), "000000", &flag);
    ASSERT_EQ(flag, 1);
    camera.Qumat_SetNetConfig(network.data(), &flag);
    ASSERT_EQ(flag, 1);
    camera.Qumat_ApnUser(1, apnUser.data(), &flag);
    ASSERT_EQ(flag, 1);
    camera.Qumat_SN_Info(1, serial.data(), &flag);
    ASSERT_EQ(flag, 1);
    camera.Qumat_SetMenuConfig(menu.data(), 32, &flag);
    ASSERT_EQ(flag, 1);

    EmulatedCamera next(stateFile);
    connectAndLogIn(next);
    Bytes record(94, 0);
    next.GetZFYInfo(record.data(), "000000", &flag);
    EXPECT_EQ(record, identity);
    record.assign(103, 0);
    next.Qumat_GetNetConfig(record.data(), &flag);
    EXPECT_EQ(record, network);
    std::array<char, 33> apnRead{};
    next.Qumat_ApnUser(0, apnRead.data(), &flag);
    EXPECT_EQ(apnRead, apnUser);
    std::array<char, 16> serialRead{};
    next.Qumat_SN_Info(0, serialRead.data(), &flag);
    EXPECT_EQ(serialRead, serial);
    record.assign(32, 0);
    next.Qumat_GetMenuConfig(record.data(), 32, &flag);
    EXPECT_EQ(record[20], 0x01);
}

// Without a state file the camera keeps what it is given for its own life, and writes no file.
TEST_F(EmulatedCameraTest, WithoutAStateFileKeepsItsStateInMemory) {
    EmulatedCamera memory{std::filesystem::path()};
    connectAndLogIn(memory);
    Bytes menu(32, 0x02);
    int32_t flag = 0;
    memory.Qumat_SetMenuConfig(menu.data(), 32, &flag);
    ASSERT_EQ(flag, 1);
    Bytes record(32, 0);
    memory.Qumat_GetMenuConfig(record.data(), 32, &flag);
    EXPECT_EQ(record[20], 0x02);
    EXPECT_EQ(record[21], k47::factorySettings().menuRecord[21]);
    EXPECT_TRUE(std::filesystem::is_empty(directory.path()));
}

TEST_F(EmulatedCameraTest, CommonMenuWriteLeavesTheCapabilityMasksToTheCamera) {
    connectAndLogIn(camera);
    Bytes written(32, 0x05);
    int32_t flag = 0;
    camera.Qumat_SetMenuConfig(written.data(), 32, &flag);
    ASSERT_EQ(flag, 1);

    const Bytes read = getMenu(32, flag);
    Bytes expected = written;
    std::copy(read.begin() + 21, read.begin() + 27, expected.begin() + 21);
    EXPECT_EQ(read, expected);
    EXPECT_EQ(Bytes(read.begin() + 21, read.begin() + 27),
              (Bytes{0x9C, 0x02, 0x1F, 0x00, 0x3F, 0x7F}));
}

TEST_F(EmulatedCameraTest, MenuRecordIsServedInTheModelsSizeOnly) {
    struct Case {
        Model model;
        int32_t size;
        int32_t flag;
    };
    for (const Case& c :
         {Case{Model::common, 32, 1}, Case{Model::common, 56, 0}, Case{Model::common, 0, 0},
          Case{Model::common, -32, 0}, Case{Model::stc, 56, 1}, Case{Model::stc, 32, 0}}) {
        SCOPED_TRACE(testing::Message() << k47::modelName(c.model) << " size " << c.size);
        setUpCamera([](CameraState&) {}, c.model);
        connectAndLogIn(camera);
        Bytes written(56, 0xEE);
        int32_t flag = -1;
        camera.Qumat_SetMenuConfig(written.data(), c.size, &flag);
        EXPECT_EQ(flag, c.flag);
        Bytes read(56, 0x11);
        camera.Qumat_GetMenuConfig(read.data(), c.size, &flag);
        EXPECT_EQ(flag, c.flag);
        EXPECT_EQ(read[0], c.flag == 1 ? 0xEE : 0x11);
    }
}

TEST_F(EmulatedCameraTest, PasswordsAreKeptPerUserType) {
    connectAndLogIn(camera);
    std::array<char, 7> password{};
    int32_t flag = 0;
    camera.Qumat_GetPsw(1, password.data(), &flag);
    EXPECT_EQ(flag, 1);
    EXPECT_STREQ(password.data(), "111111");
    camera.Qumat_GetPsw(2, password.data(), &flag);
    EXPECT_EQ(flag, 0);

    camera.Qumat_ChangePsw(1, "abcdef", &flag);
    EXPECT_EQ(flag, 1);
    const std::array<char, 7> fiveBytes{"short"};  // the buffer is always seven bytes
    camera.Qumat_ChangePsw(0, fiveBytes.data(), &flag);
    EXPECT_EQ(flag, 0);
    camera.Qumat_ChangePsw(2, "ghijkl", &flag);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(savedState().userPassword, "abcdef");
    EXPECT_EQ(savedState().adminPassword, "000000");
    ASSERT_EQ(connect(camera), 1);
    EXPECT_EQ(logIn(camera, "abcdef"), 1);
    EXPECT_EQ(logIn(camera, "111111"), 0);
}

TEST_F(EmulatedCameraTest, DeviceActionsChangeTheCamera) {
    connectAndLogIn(camera);
    std::array<char, 16> serial{"CHANGED"};
    Bytes identity(94, 0);
    int32_t flag = 0;
    camera.Qumat_SN_Info(1, serial.data(), &flag);
    camera.WriteZFYInfo(identity.data(), "000000", &flag);
    camera.Qumat_ChangePsw(0, "999999", &flag);

    camera.Qumat_SetDefault(&flag);
    EXPECT_EQ(flag, 1);
    CameraState expected = k47::factorySettings();
    expected.serialNumber = "CHANGED";
    EXPECT_EQ(savedState(), expected);

    camera.Qumat_FormatTFCard("000000", &flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(savedState().recordings, 0);

    EXPECT_EQ(savedState().clock, "");
    const std::string before = utcText(std::time(nullptr));
    camera.SyncDevTime("000000", &flag);
    const std::string after = utcText(std::time(nullptr));
    EXPECT_EQ(flag, 1);
    EXPECT_GE(savedState().clock, before);
    EXPECT_LE(savedState().clock, after);
}

TEST_F(EmulatedCameraTest, ResolutionFollowsTheMenuRecord) {
    struct Case {
        Model model;
        uint8_t position;
        int32_t width;
        int32_t height;
        int32_t flag;
    };
    for (const Case& c : {Case{Model::common, 2, 1920, 1080, 1},
                          Case{Model::common, 4, 848, 480, 1}, Case{Model::common, 5, 0, 0, 0},
                          Case{Model::stc, 5, 864, 480, 1}, Case{Model::stc, 0xFF, 0, 0, 0}}) {
        SCOPED_TRACE(testing::Message()
                     << k47::modelName(c.model) << " position " << int{c.position});
        setUpCamera(
            [&](CameraState& state) {
                state.menuRecord[c.model == Model::stc ? 28 : 0] = c.position;
            },
            c.model);
        connectAndLogIn(camera);
        int32_t width = 0;
        int32_t height = 0;
        int32_t flag = 0;
        camera.ReadDeviceResolution(&width, &height, "000000", &flag);
        EXPECT_EQ(flag, c.flag);
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
    }
}

// The state file.

TEST_F(EmulatedCameraTest, FirstUseCreatesAnOwnerOnlyFileWithTheFactorySettings) {
    EmulatedCamera fresh(directory / "new" / "camera.ini");
    EXPECT_EQ(connect(fresh), 1);

#ifndef _WIN32  // Windows files have no POSIX modes
    struct stat status {};
    ASSERT_EQ(::stat((directory / "new" / "camera.ini").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
#endif
    EXPECT_EQ(k47::parseState(readFile(directory / "new" / "camera.ini")).state,
              k47::factorySettings());
}

TEST_F(EmulatedCameraTest, AChangeReplacesTheFileInsteadOfRewritingIt) {
    connectAndLogIn(camera);
    const std::string before = readFile(stateFile);
    std::filesystem::create_hard_link(stateFile, directory / "old.ini");

    Bytes identity(94, 0);
    identity[0] = 'Z';
    int32_t flag = 0;
    camera.WriteZFYInfo(identity.data(), "000000", &flag);
    ASSERT_EQ(flag, 1);

    // A rewrite in place would show through the old link; a replaced file leaves it alone.
    EXPECT_EQ(readFile(directory / "old.ini"), before);
    EXPECT_EQ(savedState().deviceId, "Z");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"camera.ini", "camera.ini.lock", "journal.txt",
                                               "old.ini"}));
}

TEST_F(EmulatedCameraTest, AnUnreadableFileIsReportedOnceAndReplacedByTheFactorySettings) {
    const std::string damaged = "[Camera]\nAttached=yes\n";
    writeFile(stateFile, damaged);

    testing::internal::CaptureStderr();
    EXPECT_EQ(connect(camera), 1);
    EXPECT_EQ(logIn(camera), 1);
    const std::string report = testing::internal::GetCapturedStderr();

    EXPECT_NE(report.find("line 2: Attached=yes is not 1 or 0"), std::string::npos) << report;
    EXPECT_EQ(std::ranges::count(report, '\n'), 1) << report;
    EXPECT_EQ(savedState(), k47::factorySettings());
    EXPECT_EQ(readFile(directory / "camera.ini.invalid"), damaged);
}

// Fault switches.

TEST_F(EmulatedCameraTest, FailMakesTheNamedFunctionsFailWithoutTouchingAnything) {
    setUpCamera([](CameraState& state) {
        state.faults.failing = {Function::GetZFYInfo, Function::Qumat_SetDefault};
    });
    connectAndLogIn(camera);
    int32_t flag = -1;
    EXPECT_EQ(getIdentity(flag, "000000", 0xAA), Bytes(94, 0xAA));
    EXPECT_EQ(flag, 0);
    camera.Qumat_SetDefault(&flag);
    EXPECT_EQ(flag, 0);
    std::array<char, 64> firmware{};
    camera.Qumat_GetFwVersion(firmware.data(), &flag);
    EXPECT_EQ(flag, 1);

    setUpCamera([](CameraState& state) {
        state.faults.failing.insert(k47::allFunctions().begin(), k47::allFunctions().end());
    });
    EXPECT_EQ(connect(camera), 0);
}

TEST_F(EmulatedCameraTest, FlagSetsTheValueReportedOnSuccess) {
    setUpCamera([](CameraState& state) {
        state.faults.successFlags = {{Function::GetZFYInfo, 2}, {Function::Init_Device, -7}};
    });
    EXPECT_EQ(connect(camera), -7);
    EXPECT_EQ(logIn(camera), 1);
    int32_t flag = 0;
    getIdentity(flag);
    EXPECT_EQ(flag, 2);
}

// A slow camera answers late, and keeps no other process from the state meanwhile.
TEST_F(EmulatedCameraTest, DelayAnswersLateWithoutHoldingTheState) {
    using std::chrono::milliseconds;
    setUpCamera([](CameraState& state) { state.faults.delays = {{Function::SyncDevTime, 600}}; });
    connectAndLogIn(camera);
    const auto start = std::chrono::steady_clock::now();
    std::thread slow([this] {
        int32_t flag = 0;
        camera.SyncDevTime("000000", &flag);
        EXPECT_EQ(flag, 1);
    });
    std::this_thread::sleep_for(milliseconds(100));
    EmulatedCamera other(stateFile);
    EXPECT_EQ(connect(other), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(450));
    slow.join();
    EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(600));
    EXPECT_FALSE(savedState().clock.empty());
}

TEST_F(EmulatedCameraTest, UntouchedReportsSuccessAndLeavesTheBufferAsItWas) {
    setUpCamera([](CameraState& state) {
        state.faults.untouched = {Function::Qumat_GetNetConfig, Function::Qumat_Get4GDevOrNot};
    });
    connectAndLogIn(camera);
    Bytes network(103, 0xAA);
    int32_t flag = 0;
    camera.Qumat_GetNetConfig(network.data(), &flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(network, Bytes(103, 0xAA));
    int32_t answer = 0;
    camera.Qumat_Get4GDevOrNot(&answer);
    EXPECT_EQ(answer, 0);
}

TEST_F(EmulatedCameraTest, UnterminatedTextsFillTheirWholeField) {
    setUpCamera([](CameraState& state) {
        state.faults.unterminated = {Function::GetZFYInfo, Function::Qumat_GetNetConfig,
                                     Function::Qumat_GetPsw};
        state.ssid = "a much longer network name";
    });
    connectAndLogIn(camera);
    int32_t flag = 0;
    const Bytes identity = getIdentity(flag);
    EXPECT_EQ(std::ranges::count(identity, 0), 0);
    EXPECT_EQ(text(identity).substr(0, 16), "A123456 100234  ");

    Bytes network(103, 0);
    camera.Qumat_GetNetConfig(network.data(), &flag);
    EXPECT_EQ(network[0], 1);
    EXPECT_EQ(std::count(network.begin() + 1, network.end(), 0), 0);
    EXPECT_EQ(text(network).substr(1, 17), "a much longer net");

    std::array<char, 7> password{};
    camera.Qumat_GetPsw(0, password.data(), &flag);
    EXPECT_EQ(std::string(password.begin(), password.end()), "000000 ");
}

TEST_F(EmulatedCameraTest, TextsLongerThanTheirFieldAreCutBeforeTheZeroByte) {
    setUpCamera([](CameraState& state) { state.ssid = "a much longer network name"; });
    connectAndLogIn(camera);
    Bytes network(103, 0xAA);
    int32_t flag = 0;
    camera.Qumat_GetNetConfig(network.data(), &flag);
    EXPECT_EQ(text(network).substr(1, 17), std::string("a much longer ne") + '\0');
}

// The call journal.

TEST_F(EmulatedCameraTest, JournalHasOneLinePerCallWithItsArgumentsAndFlag) {
    connectAndLogIn(camera);
    int32_t answer = 0;
    camera.Qumat_Get4GDevOrNot(&answer);
    std::array<char, 7> password{};
    int32_t flag = 0;
    camera.Qumat_GetPsw(1, password.data(), &flag);
    Bytes menu(56, 0);
    camera.Qumat_GetMenuConfig(menu.data(), 40, &flag);
    std::array<char, 33> apnPassword{"p\"w"};
    camera.Qumat_ApnPsw(1, apnPassword.data(), &flag);
    camera.SyncDevTime("bad\x01", &flag);

    std::string zeros;
    for (int index = 3; index < 33; ++index) {
        zeros += " 00";
    }
    EXPECT_EQ(readFile(journalFile),
              "Init_Device buffer=[00 00 00 00 00 00] flag=1\n"
              "Qumat_Login user_type=0 password=\"000000\" flag=1\n"
              "Qumat_Get4GDevOrNot answer=1\n"
              "Qumat_GetPsw user_type=1 password=[31 31 31 31 31 31 00] flag=1\n"
              "Qumat_GetMenuConfig record=- size=40 flag=0\n"
              "Qumat_ApnPsw direction=1 buffer=[70 22 77" +
                  zeros +
                  "] flag=1\n"
                  "SyncDevTime password=\"bad\\x01\" flag=0\n");
}

#ifndef _WIN32  // named pipes in the file system and alarm are POSIX's
TEST_F(EmulatedCameraTest, AJournalPipeWithNoReaderIsReportedInsteadOfWaitedFor) {
    const auto pipe = directory / "journal.pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EmulatedCamera piped(stateFile, pipe);

    testing::internal::CaptureStderr();
    ::alarm(10);  // a call that waits for a reader ends the test
    EXPECT_EQ(connect(piped), 1);
    EXPECT_EQ(connect(piped), 1);
    ::alarm(0);
    const std::string report = testing::internal::GetCapturedStderr();

    EXPECT_NE(report.find(pipe.string()), std::string::npos) << report;
    EXPECT_EQ(std::ranges::count(report, '\n'), 1) << report;
}
#endif

}  // namespace
