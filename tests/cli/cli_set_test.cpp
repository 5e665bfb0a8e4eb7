// set over the in-process emulated camera: the checks before anything is sent, the writes, and
// how far a failing camera lets them go.
#include <gtest/gtest.h>

#include <fstream>
#include <new>

#include "code_page.h"

#include "cli_fixture.h"

namespace {

using cli_testing::CliCamera;
using Change = std::function<void(k47::CameraState&)>;
using Arguments = std::vector<std::string>;

constexpr std::size_t kResolutionByte = 0;
constexpr std::size_t kGpsByte = 9;
constexpr std::size_t kPhotoSizeByte = 11;
constexpr std::size_t kEncryptionByte = 27;
constexpr std::size_t kStcEncryptionByte = 44;

void noChange(k47::CameraState&) {}

TEST(CliSetTest, RefusedRequestsAreEachNamedAndNothingIsWritten) {
    const auto kindOne = [](k47::CameraState& state) { state.deviceAnswer = 2; };
    const auto unterminated = [](k47::Function read) -> Change {
        return [read](k47::CameraState& state) { state.faults.unterminated.insert(read); };
    };
    const struct {
        k47::Model model;
        Change change;
        Arguments arguments;
        std::vector<std::string> refusals;
    } cases[] = {
        {k47::Model::common,
         noChange,
         {"recording.bogus=1", "status.firmware=x", "recording.gps=ON", "recording.gps=OFF"},
         {"recording.bogus: no such setting", "status.firmware: read only",
          "recording.gps: given twice"}},
        {k47::Model::common,
         noChange,
         {"recording.quality=Super", "recording.resolution=2688x1512 30P", "network.gps"},
         {"network.gps: expected NAME=VALUE"}},
        {k47::Model::common,
         noChange,
         {"recording.quality=Super", "recording.resolution=2688x1512 30P",
          "network.ssid=" + std::string(17, 's'), "identity.officer_id=1234567",
          "identity.device_id=B12345", "recording.gps=OFF"},
         {"recording.quality: 'Super' is not one of super-fine, fine, normal",
          "recording.resolution: this camera does not offer '2688x1512 30P'; it offers "
          "2304x1296-30p, 1920x1080-60p, 1920x1080-30p, 1280x720-30p, 848x480-30p",
          "network.ssid: has 17 characters, more than 16",
          "identity.officer_id: has 7 characters, more than 6",
          "identity.device_id: must have 7 characters, the length of the camera's device ID"}},
        {k47::Model::common,
         [](k47::CameraState& state) { state.menuRecord[kResolutionByte] = 0xFF; },
         {"recording.resolution=1920x1080 30P"},
         {"recording.resolution: the camera does not offer this setting"}},
        {k47::Model::common,
         kindOne,
         {"identity.device_id=B123456", "network.apn=web", "recording.cellular_4g=OFF"},
         {"identity.device_id: has 7 characters, more than 5",
          "network.apn: cannot be changed on this camera (device kind 1)",
          "recording.cellular_4g: cannot be changed on this camera (device kind 1)"}},
        {k47::Model::common,
         noChange,
         {"recording.aes_encryption=ON"},
         {"recording.aes_encryption: changing it formats the memory card, which destroys the "
          "recordings on it; add --format-card to go ahead"}},
        {k47::Model::common,
         unterminated(k47::Function::Qumat_GetNetConfig),
         {"network.server_port=1"},
         {"network.server_port: its group goes back whole, and the camera's last read of "
          "network.ssid ran on to its field's end without its terminator; give network.ssid a "
          "value too"}},
        {k47::Model::common,
         unterminated(k47::Function::Qumat_ApnUser),
         {"network.ssid=Depot"},
         {"network.ssid: its group goes back whole, and the camera's last read of "
          "network.apn_user ran on to its field's end without its terminator; give "
          "network.apn_user a value too"}},
        {k47::Model::stc,
         kindOne,
         {"--model=stc", "identity.officer_id=12345678", "recording.storage_encryption=Ligado",
          "recording.cellular_4g=Desl."},
         {"identity.officer_id: has 8 characters, more than 7",
          "recording.storage_encryption: changing it formats the memory card, which destroys "
          "the recordings on it; add --format-card to go ahead",
          "recording.cellular_4g: cannot be changed on this camera (device kind 1)"}},
    };
    for (const auto& [model, change, arguments, refusals] : cases) {
        CliCamera camera(model, change);
        const auto before = camera.state();
        Arguments command{"set"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const auto outcome = camera.run(command);
        std::string expected;
        for (const auto& refusal : refusals) {
            expected += "qumat_pro: " + refusal + "\n";
        }
        EXPECT_EQ(outcome.status, 2) << arguments.front();
        EXPECT_EQ(outcome.errors, expected);
        EXPECT_EQ(outcome.output, "");
        EXPECT_EQ(camera.state(), before) << arguments.front();
    }
}

TEST(CliSetTest, WritesTheChangedGroupsAndKeepsWhatItDoesNotChange) {
    CliCamera camera(k47::Model::common, [](k47::CameraState& state) {
        state.deviceAnswer = 2;  // kind 1: 4G and server settings untouchable
        state.wifiStation = 0;
        state.menuRecord[kPhotoSizeByte] = 0x81;
    });
    auto expected = camera.state();
    // The station byte follows the WIFI list only when a change names the list, and a dry run
    // then says so beside the settings named.
    EXPECT_EQ(camera.run({"set", "network.ssid=Home Office", "--dry-run"}).output,
              "network.ssid: FieldOffice -> Home Office\n");
    EXPECT_EQ(
        camera.run({"set", "network.ssid=Home Office", "recording.wifi_mode=off", "--dry-run"})
            .output,
        "network.ssid: FieldOffice -> Home Office\n"
        "recording.wifi_mode: sta -> off\n");
    // Unchanged values pass every check, even where the device kind forbids a change.
    const auto accepted = camera.run({"set", "recording.gps=off", "network.ssid=Home Office",
                                      "recording.resolution=1920X1080 60p", "network.apn=internet",
                                      "identity.officer_id=100234"});
    EXPECT_EQ(accepted.status, 0) << accepted.errors;
    EXPECT_EQ(accepted.output, "network: written\nrecording: written\n");
    expected.menuRecord[kGpsByte] = 0;
    expected.menuRecord[kResolutionByte] = 1;
    expected.ssid = "Home Office";
    // Bytes no change names go back as read: the station, and the photo size's top bit.
    EXPECT_EQ(camera.state(), expected);

    const auto again = camera.run({"set", "recording.gps=OFF"});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.output, "nothing to change\n");
}

// A value name matches regardless of case and of accents typed as one character or as a letter
// and its combining marks.
TEST(CliSetTest, ValueNamesFoldCaseAndAccentsBeyondAscii) {
    for (const std::string spelling :
         {"VIBRAÇÃO", "vibração", "Vibrac\u0327a\u0303o", "VIBRAC\u0327A\u0303O"}) {
        CliCamera camera(k47::Model::stc);
        const auto outcome = camera.run(
            {"set", "--model=stc", "recording.recording_notice_kind=" + spelling, "--dry-run"});
        EXPECT_EQ(outcome.status, 0) << spelling << outcome.errors;
        EXPECT_NE(outcome.output.find("-> vibration\n"), std::string::npos) << outcome.output;
    }
}

TEST(CliSetTest, EncryptionChangeWritesThenFormatsThenWritesAgain) {
    const struct {
        k47::Model model;
        Arguments arguments;
        std::size_t byte;
    } cases[] = {
        {k47::Model::common,
         {"set", "recording.aes_encryption=ON", "--format-card"},
         kEncryptionByte},
        {k47::Model::stc,
         {"set", "--model", "stc", "--format-card", "recording.storage_encryption=Ligado"},
         kStcEncryptionByte},
    };
    for (const auto& [model, arguments, byte] : cases) {
        CliCamera camera(model);
        const auto outcome = camera.run(arguments);
        EXPECT_EQ(outcome.status, 0) << outcome.errors;
        EXPECT_EQ(outcome.output, "recording: written, memory card formatted\n");
        std::vector<std::string> calls;
        for (const auto& line : camera.journal()) {
            const auto name = line.substr(0, line.find(' '));
            if (name == "Qumat_SetMenuConfig" || name == "Qumat_FormatTFCard") {
                calls.push_back(name);
            }
        }
        EXPECT_EQ(calls, (std::vector<std::string>{"Qumat_SetMenuConfig", "Qumat_FormatTFCard",
                                                   "Qumat_SetMenuConfig"}));
        EXPECT_EQ(camera.state().recordings, 0);
        EXPECT_EQ(camera.state().menuRecord[byte], 1);
    }
}

TEST(CliSetTest, CameraFailuresGiveExitStatus1AndStopTheLaterGroups) {
    const Arguments threeGroups{"set",
                                "identity.officer_id=999999",
                                "network.ssid=Home",
                                "recording.gps=OFF",
                                "recording.aes_encryption=ON",
                                "--format-card"};
    const struct {
        k47::Function failing;
        std::string errors;
        std::function<void(k47::CameraState&)> written;
    } cases[] = {
        {k47::Function::Init_Device, "qumat_pro: no camera answered: Init_Device failed\n",
         noChange},
        {k47::Function::Qumat_GetMenuConfig,
         "qumat_pro: recording not read: Qumat_GetMenuConfig failed\n", noChange},
        {k47::Function::WriteZFYInfo,
         "qumat_pro: identity: not written: WriteZFYInfo failed\n"
         "qumat_pro: network: not written\nqumat_pro: recording: not written\n",
         noChange},
        {k47::Function::Qumat_SetNetConfig,
         "qumat_pro: network: not written: Qumat_SetNetConfig failed\n"
         "qumat_pro: recording: not written\n",
         [](k47::CameraState& state) { state.officerId = "999999"; }},
        {k47::Function::Qumat_SetMenuConfig,
         "qumat_pro: recording: not written: Qumat_SetMenuConfig failed\n",
         [](k47::CameraState& state) {
             state.officerId = "999999";
             state.ssid = "Home";
         }},
        // The window's order leaves the new option written when the format fails.
        {k47::Function::Qumat_FormatTFCard,
         "qumat_pro: recording: written, but Qumat_FormatTFCard failed\n",
         [](k47::CameraState& state) {
             state.officerId = "999999";
             state.ssid = "Home";
             state.menuRecord[kGpsByte] = 0;
             state.menuRecord[kEncryptionByte] = 1;
         }},
    };
    for (const auto& [failing, errors, written] : cases) {
        CliCamera camera(k47::Model::common,
                         [&](k47::CameraState& state) { state.faults.failing.insert(failing); });
        auto expected = camera.state();
        written(expected);
        const auto outcome = camera.run(threeGroups);
        EXPECT_EQ(outcome.status, 1) << errors;
        EXPECT_EQ(outcome.errors, errors);
        EXPECT_EQ(camera.state(), expected) << errors;
    }
}

// Running out of memory, or a system that cannot convert text at all, stops the run and says so.
TEST(CliSetTest, ASystemFailureStopsTheRunNamedAsItIs) {
    struct Throwing final : camera::ObservedCameraLibrary::Observer {
        std::function<void()> raise;
        void before(std::string_view function) override {
            if (function == "Qumat_SetNetConfig") {
                raise();
            }
        }
        void after(std::string_view, const int32_t*) override {}
    };
    const struct {
        std::function<void()> raise;
        std::string errors;
    } cases[] = {
        {[] { throw std::bad_alloc(); }, "qumat_pro: out of memory; stopped\n"},
        {[] { throw platform::ConversionUnavailable("no conversion"); },
         "qumat_pro: no conversion; stopped\n"},
    };
    for (const auto& [raise, errors] : cases) {
        CliCamera camera;
        Throwing throwing;
        throwing.raise = raise;
        camera.observe(throwing);
        const auto outcome = camera.run({"set", "network.ssid=Depot"});
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.errors, errors);
    }
}

TEST(CliSetTest, UsageErrorsGiveExitStatus2BeforeAnyCameraCall) {
    const std::pair<Arguments, std::string> cases[] = {
        {{"set", "recording.gps=OFF", "--json"}, "unknown option '--json' for set"},
        {{"show", "--model"}, "--model needs a value"},
        {{"show", "--model=other"}, "--model is common or stc"},
        {{"show", "--user", "root"}, "--user is admin or user"},
        {{"show", "--json=yes"}, "--json takes no value"},
        {{"show", "-x"}, "unknown option '-x' for show"},
        {{"--model", "stc"},
         "a command first: show, get, set, export, import, provision, wait, log or doctor"},
        {{"get"}, "get needs at least one NAME"},
        {{"import", "a.ini", "--exit-code"}, "--exit-code goes with --dry-run"},
        {{"set"}, "set needs at least one NAME=VALUE"},
        {{"import", "a.ini", "b.ini"}, "import needs one FILE"},
        {{"export", "--include-secrets"}, "export needs one FILE"},
        {{"provision", "--status"}, "provision --status and --release need --report or --ledger"},
        {{"provision", "--status", "--report", "r.csv", "--ledger", "DSN=fleet"},
         "provision --status and --release take --report or --ledger, not both"},
        {{"provision", "--status", "--report", "r.csv", "fleet.ini"},
         "provision --status and --release take no PROFILE"},
        {{"provision", "--release", "SN1", "--report", "r.csv", "--identities", "i.csv"},
         "provision --release takes no --identities"},
        {{"log", "--since", "2026-02-30"}, "--since 2026-02-30: no such date or time"},
        {{"log", "--since", "2025-02-29"}, "--since 2025-02-29: no such date or time"},
        {{"log", "--since=2026-12-08T25:99"}, "--since 2026-12-08T25:99: no such date or time"},
        {{"log", "--since=2026-12-08T23:59:60"},
         "--since 2026-12-08T23:59:60: no such date or time"},
        {{"log", "--since=2026-00-08"}, "--since 2026-00-08: no such date or time"},
    };
    for (const auto& [arguments, error] : cases) {
        CliCamera camera;
        const auto outcome = camera.run(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.errors.starts_with("qumat_pro: " + error + "\nUsage: qumat_pro"))
            << outcome.errors;
        EXPECT_TRUE(camera.journal().empty());
    }
}

TEST(CliSetTest, APasswordComesFromItsFileOrTheVariableOrNowhere) {
    CliCamera camera;
    const auto file = camera.file("password");
    std::ofstream(file) << "111111\r\nsecond line\n";
    const struct {
        Arguments arguments;
        std::optional<std::string> variable;
        int status;
        std::string errors;
    } cases[] = {
        {{"show", "--user", "user", "--password-file", file.string()}, std::nullopt, 0, ""},
        {{"show", "--password-file=" + file.string()}, "999999", 0, ""},
        {{"show"}, "111111", 0, ""},
        {{"show"}, "12345", 2, "qumat_pro: the camera's password has six characters\n"},
        {{"show"}, "123456", 1, "qumat_pro: the camera refused the password: Qumat_Login failed\n"},
        {{"show"},
         std::nullopt,
         2,
         "qumat_pro: no password: give --password-file FILE or set QUMAT_PASSWORD, or run it on "
         "a terminal\n"},
        {{"show", "--password-file", (file.parent_path() / "missing").string()},
         "000000",
         2,
         "qumat_pro: cannot read the password file " + (file.parent_path() / "missing").string() +
             ": " + cli_testing::systemReason(ENOENT, 2 /* ERROR_FILE_NOT_FOUND */) + "\n"},
    };
    for (const auto& [arguments, variable, status, errors] : cases) {
        const auto outcome = camera.run(arguments, variable);
        EXPECT_EQ(outcome.status, status) << arguments.back();
        EXPECT_EQ(outcome.errors, errors);
    }
}

}  // namespace
