// show over the in-process emulated camera: the values the settings window would show.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "cli_fixture.h"
#include "stc_menu_model_group.h"

namespace {

using cli_testing::CliCamera;
using cli_testing::shown;

constexpr std::size_t kResolutionByte = 0;
constexpr std::size_t kPhotoSizeByte = 11;
constexpr std::size_t kResolutionMasks = 21;
constexpr std::size_t kPhotoSizeMasks = 23;

TEST(CliShowTest, CommonMenuValuesAreTheEntriesTheWindowSelects) {
    const struct {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> change;
        const char* name;
        const char* value;
    } cases[] = {
        {"factory record", [](auto&) {}, "recording.resolution", "1920x1080-30p"},
        {"factory split time", [](auto&) {}, "recording.split_time", "5min"},
        {"factory time zone", [](auto&) {}, "recording.time_zone", "utc+3"},
        {"a position in the list the masks build",
         [](auto& record) { record[kResolutionByte] = 0; }, "recording.resolution",
         "2304x1296-30p"},
        {"no resolution mask: the default list",
         [](auto& record) {
             record[kResolutionByte] = 0;
             record[kResolutionMasks] = record[kResolutionMasks + 1] = 0;
         },
         "recording.resolution", "2560x1440-30p"},
        {"the marker", [](auto& record) { record[kResolutionByte] = 0xFF; }, "recording.resolution",
         "unsupported"},
        {"a position past the list", [](auto& record) { record[kResolutionByte] = 9; },
         "recording.resolution", "none"},
        {"photo size without its top bit", [](auto& record) { record[kPhotoSizeByte] = 0x83; },
         "recording.photo_size", "12m"},
        {"no photo-size mask: an empty list",
         [](auto& record) { record[kPhotoSizeMasks] = record[kPhotoSizeMasks + 1] = 0; },
         "recording.photo_size", "none"},
    };
    for (const auto& [what, change, name, value] : cases) {
        CliCamera camera(k47::Model::common,
                         [&](k47::CameraState& state) { change(state.menuRecord); });
        const auto outcome = camera.run({"show"});
        EXPECT_EQ(outcome.status, 0) << what << outcome.errors;
        EXPECT_EQ(shown(outcome.output, name), value) << what;
    }
}

// Profiles already written name the other model's lists so: the names must stay.
TEST(CliShowTest, StcNamesAndValuesAreTheCatalogues) {
    CliCamera camera(k47::Model::stc);
    const auto outcome = camera.run({"show", "--model", "stc"});
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    const std::pair<const char*, const char*> shownValues[] = {
        {"recording.front_camera_resolution", "1920x1080"},
        {"recording.g_sensor", "on"},
        {"recording.cellular_4g", "on"},
        {"recording.storage_encryption", "off"},
        {"identity.serial_number", "<absent>"},
    };
    for (const auto& [name, value] : shownValues) {
        EXPECT_EQ(shown(outcome.output, name), value) << name;
    }
    EXPECT_NE(shown(outcome.output, "recording.stabiliser"), "<absent>");
}

TEST(CliShowTest, JsonHoldsTheSameValuesEscaped) {
    CliCamera camera(k47::Model::common,
                     [](k47::CameraState& state) { state.ssid = "Say \"hi\"\\"; });
    const auto outcome = camera.run({"show", "--json"});
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    // Groups nest, so that ".network.ssid" reaches a value in jq.
    EXPECT_TRUE(
        outcome.output.starts_with("{\n  \"model\": \"common\",\n  \"device_kind\": 0,\n"
                                   "  \"identity\": {\n    \"device_id\": \"A123456\",\n"))
        << outcome.output;
    EXPECT_NE(outcome.output.find("\n    \"ssid\": \"Say \\\"hi\\\"\\\\\",\n"), std::string::npos)
        << outcome.output;
    EXPECT_NE(outcome.output.find("\n    \"wifi_password\": \"********\",\n"), std::string::npos);
    EXPECT_TRUE(outcome.output.ends_with("\"card\": \"Total 29.72 GB\"\n  }\n}\n"));
}

bool isControlButLineEnd(char c) {
    return (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F;
}

// A camera's text must neither forge a line nor drive the terminal, in JSON either; what show
// prints pastes into a profile and reads back as the same text, and the change list prints it the
// same way. Another camera takes none of its control characters.
TEST(CliShowTest, ControlCharactersArePrintedEscapedAsAProfileReadsThem) {
    const struct {
        const char* what;
        std::string cameraText;
        std::string printed;
        std::string json;
        // The first control character, which another camera refuses; none when it takes the text.
        const char* refused;
        const char* codePage = nullptr;  // the default
    } cases[] = {
        {"CR LF", "Home\r\nrecording.gps = OFF", R"("Home\x0D\x0Arecording.gps = OFF")",
         R"("Home\u000d\u000arecording.gps = OFF")", "U+000D"},
        {"escape sequences", "\x1B]0;x\x07\x1B[2J", R"("\x1B]0;x\x07\x1B[2J")",
         R"("\u001b]0;x\u0007\u001b[2J")", "U+001B"},
        {"a lone CR", "Secret\rShown", R"("Secret\x0DShown")", R"("Secret\u000dShown")", "U+000D"},
        {"a tab", "a\tb", R"("a\x09b")", R"("a\u0009b")", "U+0009"},
        {"a backslash beside DEL", "C:\\dir\x7F", R"("C:\\dir\x7F")", R"("C:\\dir\u007f")",
         "U+007F"},
        {"a backslash alone", "C:\\dir", R"(C:\dir)", R"("C:\\dir")", nullptr},
        {"non-ASCII text", "Depot\xA9", "Depot\xC2\xA9", "\"Depot\xC2\xA9\"", nullptr},
        // Bytes the code page leaves undefined read as C1 controls, which terminals act on.
        {"C1 controls", "\x81\x9D", R"("\xC2\x81\xC2\x9D")", R"("\u0081\u009d")", "U+0081"},
        // Invisible marks that reorder what a terminal shows around them.
        {"bidirectional marks",
         "a\xFD"
         "b\xFE",
         R"("a\xE2\x80\x8Eb\xE2\x80\x8F")", R"("a\u200eb\u200f")", nullptr, "1255"},
    };
    for (const auto& [what, cameraText, printed, json, refused, codePage] : cases) {
        testing_support::setOrRemoveEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", codePage);
        CliCamera camera(k47::Model::common,
                         [&](k47::CameraState& state) { state.apn = cameraText; });
        const auto outcome = camera.run({"show"});
        EXPECT_EQ(outcome.status, 0) << what << outcome.errors;
        EXPECT_EQ(shown(outcome.output, "network.apn"), printed) << what;
        EXPECT_EQ(shown(outcome.output, "recording.gps"), "on") << what;
        EXPECT_EQ(std::ranges::count_if(outcome.output, isControlButLineEnd), 0) << what;
        const auto asJson = camera.run({"show", "network.apn", "--json"});
        EXPECT_NE(asJson.output.find("\"apn\": " + json + "\n"), std::string::npos)
            << what << asJson.output;

        std::ofstream(camera.file("pasted.ini")) << "[network]\napn = " << printed << "\n";
        EXPECT_EQ(camera.run({"import", camera.file("pasted.ini").string(), "--dry-run"}).output,
                  "nothing to change\n")
            << what;
        CliCamera other;
        std::ofstream(other.file("pasted.ini")) << "[network]\napn = " << printed << "\n";
        const auto imported = other.run({"import", other.file("pasted.ini").string(), "--dry-run"});
        if (refused != nullptr) {
            EXPECT_EQ(imported.status, 2) << what;
            EXPECT_TRUE(imported.errors.starts_with(
                std::string("qumat_pro: network.apn: holds the control character ") + refused))
                << what << imported.errors;
        } else {
            EXPECT_EQ(imported.output, "network.apn: internet -> " + printed + "\n") << what;
        }
    }
    testing_support::setOrRemoveEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", nullptr);
}

TEST(CliShowTest, ARefusalQuotesTheValueItRefusesEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x1B[2J\r\nON", R"(\x1B[2J\x0D\x0AON)"},
        // Isolates, an embedding override and the Arabic letter mark, typed.
        {"\u2066on\u2069\u202E\u061C", R"(\xE2\x81\xA6on\xE2\x81\xA9\xE2\x80\xAE\xD8\x9C)"},
    };
    for (const auto& [typed, printed] : cases) {
        CliCamera camera;
        const auto outcome = camera.run({"set", "recording.gps=" + typed});
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.errors,
                  "qumat_pro: \"recording.gps: '" + printed + "' is not one of off, on\"\n");
    }
}

// The login call takes user type 0 whoever logs in; the user's password still opens it.
TEST(CliShowTest, TheUserLogsInWithUserTypeZero) {
    CliCamera camera;
    const auto outcome = camera.run({"show", "--user", "user"}, "111111");
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    const auto journal = camera.journal();
    ASSERT_GE(journal.size(), 2u);
    EXPECT_TRUE(journal[1].starts_with("Qumat_Login user_type=0 ")) << journal[1];
}

TEST(CliShowTest, AFailedReadLeavesItsGroupOutAndGivesExitStatus1) {
    CliCamera camera(k47::Model::common, [](k47::CameraState& state) {
        state.faults.failing.insert(k47::Function::Qumat_GetNetConfig);
    });
    const auto outcome = camera.run({"show"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors, "qumat_pro: network not read: Qumat_GetNetConfig failed\n");
    EXPECT_EQ(shown(outcome.output, "network.ssid"), "<absent>");
    // The APN texts come from calls of their own.
    EXPECT_EQ(shown(outcome.output, "network.apn_user"), "fieldunit");
    EXPECT_EQ(shown(outcome.output, "recording.gps"), "on");
}

}  // namespace
