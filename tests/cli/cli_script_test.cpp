// The command line as a script drives it: values alone, secrets kept off the screen unless asked
// for, values and profiles through standard input, dry runs and their exit status, and the
// options that quieten or trace a command.
#include <gtest/gtest.h>

#include <fstream>

#include "cli_fixture.h"

namespace {

using cli_testing::CliCamera;
using Change = std::function<void(k47::CameraState&)>;

void noChange(k47::CameraState&) {}

TEST(CliScriptTest, CommandsAnswerAsAScriptExpects) {
    const struct {
        std::vector<std::string> arguments;
        std::string input;
        int status;
        std::string output;
        std::string errors;
        // What the command changes on the factory-set camera.
        Change change;
    } cases[] = {
        {{"get", "network.ssid", "recording.gps", "network.wifi_password"},
         "",
         0,
         "FieldOffice\non\n********\n",
         "",
         noChange},
        {{"get", "network.pin", "--show-secrets"}, "", 0, "1234\n", "", noChange},
        {{"get", "network.sid", "recording.gpss"},
         "",
         2,
         "",
         "qumat_pro: network.sid: no such setting; did you mean network.ssid?\n"
         "qumat_pro: recording.gpss: no such setting; did you mean recording.gps?\n",
         noChange},
        // Two letters swapped, and the shift key held, are slips too.
        {{"get", "recording.gsp", "NETWORK.SSID"},
         "",
         2,
         "",
         "qumat_pro: recording.gsp: no such setting; did you mean recording.gps?\n"
         "qumat_pro: NETWORK.SSID: no such setting; did you mean network.ssid?\n",
         noChange},
        {{"show", "recording.gps", "network.ssid", "network.pin"},
         "",
         0,
         "network.ssid = FieldOffice\nnetwork.pin = ********\nrecording.gps = on\n",
         "",
         noChange},
        {{"show", "identity"},
         "",
         0,
         "identity.device_id = A123456\nidentity.officer_id = 100234\n"
         "identity.serial_number = SN23110804571\n",
         "",
         noChange},
        {{"show", "ssid"},
         "",
         2,
         "",
         "qumat_pro: ssid: no such setting; did you mean network.ssid?\n",
         noChange},
        {{"set", "network.wifi_password=-"},
         "new secret\r\nnext line\n",
         0,
         "network: written\n",
         "",
         [](k47::CameraState& state) { state.wifiPassword = "new secret"; }},
        // Only a secret reads its value from elsewhere.
        {{"set", "network.ssid=-"},
         "x\n",
         0,
         "network: written\n",
         "",
         [](k47::CameraState& state) { state.ssid = "-"; }},
        {{"set", "network.wifi_password=-", "network.pin=-"},
         "1\n2\n",
         2,
         "",
         "qumat_pro: network.pin: standard input gives one value only\n",
         noChange},
        {{"set", "--dry-run", "network.ssid=Home", "network.pin=9999"},
         "",
         0,
         "network.ssid: FieldOffice -> Home\n"
         "network.pin: changes (a secret: --show-secrets prints it)\n",
         "",
         noChange},
        // Given, --format-card is no longer asked for.
        {{"set", "--dry-run", "--format-card", "recording.aes_encryption=on"},
         "",
         0,
         "recording.aes_encryption: off -> on (formats the memory card)\n",
         "",
         noChange},
        {{"import", "-", "--dry-run", "--exit-code"},
         "[network]\nssid = Home\n",
         3,
         "network.ssid: FieldOffice -> Home\n",
         "",
         noChange},
        {{"import", "--exit-code", "-", "--dry-run"},
         "[network]\nssid = FieldOffice\n",
         0,
         "nothing to change\n",
         "",
         noChange},
        {{"import", "-", "--show-secrets"},
         "[network]\npin = 9999\n",
         0,
         "network.pin: 1234 -> 9999\nnetwork: written\n",
         "",
         [](k47::CameraState& state) { state.pin = "9999"; }},
        {{"import", "-"},
         std::string("[network]\nssid = Home\0\n", 23),
         2,
         "",
         "qumat_pro: standard input: line 2: a value holds a NUL byte, at which the camera would "
         "cut it\n",
         noChange},
        {{"-q", "import", "-"},
         "[network]\nssid = Home\n",
         0,
         "",
         "",
         [](k47::CameraState& state) { state.ssid = "Home"; }},
        {{"--quiet", "set", "network.ssid=FieldOffice"}, "", 0, "", "", noChange},
        {{"-V"}, "", 0, std::string("qumat_pro ") + QUMAT_VERSION + "\n", "", noChange},
        {{"get", "-v", "status.firmware"},
         "",
         0,
         "FW 2.4.18 build 20231108\n",
         "qumat_pro: call Init_Device: flag 1\nqumat_pro: call Qumat_Login: flag 1\n"
         "qumat_pro: call Qumat_Get4GDevOrNot\nqumat_pro: call GetZFYInfo: flag 1\n"
         "qumat_pro: call Qumat_SN_Info: flag 1\nqumat_pro: call Qumat_GetNetConfig: flag 1\n"
         "qumat_pro: call Qumat_ApnUser: flag 1\nqumat_pro: call Qumat_ApnPsw: flag 1\n"
         "qumat_pro: call Qumat_GetMenuConfig: flag 1\n"
         "qumat_pro: call Qumat_GetFwVersion: flag 1\nqumat_pro: call Qumat_GetTFVol: flag 1\n",
         noChange},
    };
    for (const auto& [arguments, input, status, output, errors, change] : cases) {
        const std::string named = arguments.front() + " " + arguments.back();
        CliCamera camera;
        auto expected = camera.state();
        change(expected);
        const auto outcome = camera.run(arguments, "000000", input);
        EXPECT_EQ(outcome.status, status) << named;
        EXPECT_EQ(outcome.output, output) << named;
        EXPECT_EQ(outcome.errors, errors) << named;
        EXPECT_EQ(camera.state(), expected) << named;
        if (status == 2) {
            EXPECT_TRUE(camera.journal().empty()) << named;
        }
    }
}

TEST(CliScriptTest, ASecretComesFromTheFirstLineOfAFile) {
    CliCamera camera;
    const auto file = camera.file("secret");
    std::ofstream(file) << "from a file\nsecond line\n";
    auto outcome = camera.run({"set", "network.apn_password=@" + file.string()});
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_EQ(camera.state().apnPassword, "from a file");

    const auto before = camera.state();
    outcome = camera.run({"set", "network.ssid=Home", "network.pin=@" + file.string() + ".none"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_TRUE(outcome.errors.starts_with("qumat_pro: network.pin: cannot read " + file.string() +
                                           ".none: "))
        << outcome.errors;
    EXPECT_EQ(camera.state(), before);
}

// An input that holds no line is a mistake, not an empty secret; an empty line is one. A NUL byte
// would cut the secret short; an editor's byte-order mark is no part of it.
TEST(CliScriptTest, ASecretFromAnInputWithoutALineIsRefused) {
    CliCamera camera;
    const auto file = camera.file("secret");
    const struct {
        std::string source;
        std::string input;  // standard input, or the file's content
        int status;
        std::string errors;
    } cases[] = {
        {"-", "", 2, "qumat_pro: network.apn_password: standard input holds no line\n"},
        {"@" + file.string(), "", 2,
         "qumat_pro: network.apn_password: " + file.string() + " holds no line\n"},
        {"-", "\n", 0, ""},
        {"@" + file.string(), "\r\nsecond\n", 0, ""},
        {"-", "last", 0, ""},
        {"@" + file.string(), std::string("la\0st\n", 6), 2,
         "qumat_pro: network.apn_password: " + file.string() +
             " holds a NUL byte, which would cut the value short\n"},
        {"@" + file.string(), "\xEF\xBB\xBFlast\r\n", 0, ""},
    };
    for (const auto& [source, input, status, errors] : cases) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << input;
        const auto before = camera.state();
        const auto outcome = camera.run({"set", "network.apn_password=" + source}, "000000", input);
        EXPECT_EQ(outcome.status, status) << source << input;
        EXPECT_EQ(outcome.errors, errors);
        if (status == 0) {
            EXPECT_EQ(camera.state().apnPassword,
                      input.find("last") != std::string::npos ? "last" : "");
        } else {
            EXPECT_EQ(camera.state(), before);
        }
    }
}

TEST(CliScriptTest, HelpIsPerCommandAndNeedsNoCamera) {
    CliCamera camera;
    const auto set = camera.run({"set", "--help", "--model", "stc"});
    EXPECT_EQ(set.status, 0);
    EXPECT_TRUE(set.output.starts_with("Usage: qumat_pro set NAME=VALUE...")) << set.output;
    EXPECT_TRUE(set.output.find("\nSettings of the stc model:\n") != std::string::npos);
    EXPECT_FALSE(set.output.find("--include-secrets") != std::string::npos);
    const auto all = camera.run({"--help"});
    EXPECT_EQ(all.status, 0);
    EXPECT_TRUE(all.output.find("\nSettings of the common model:\n") != std::string::npos);
    EXPECT_TRUE(all.output.find("--include-secrets") != std::string::npos);
    EXPECT_TRUE(camera.journal().empty());
}

}  // namespace
