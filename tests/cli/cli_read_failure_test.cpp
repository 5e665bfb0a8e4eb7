// What the commands do when a read of the camera fails.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "cli_fixture.h"
#include "file_contents.h"

namespace {

using cli_testing::CliCamera;
using Arguments = std::vector<std::string>;
using Failing = std::set<k47::Function>;

constexpr std::size_t kGpsByte = 9;

CliCamera cameraFailing(const Failing& failing, k47::Model model = k47::Model::common) {
    return CliCamera(model, [&](k47::CameraState& state) { state.faults.failing = failing; });
}

// "size=32 flag=0" for each menu read, in call order; and no call that writes.
std::vector<std::string> menuReads(const std::vector<std::string>& journal) {
    std::vector<std::string> reads;
    for (const auto& line : journal) {
        EXPECT_FALSE(line.starts_with("Qumat_Set") || line.starts_with("WriteZFYInfo")) << line;
        if (line.starts_with("Qumat_GetMenuConfig ")) {
            reads.push_back(line.substr(line.find(" size=") + 1));
        }
    }
    return reads;
}

TEST(CliReadFailureTest, AMenuReadOfTheOtherSizeNamesTheCamerasModel) {
    const struct {
        k47::Model camera;
        Failing failing;
        Arguments arguments;
        std::string errors;
        std::vector<std::string> reads;
    } cases[] = {
        {k47::Model::stc,
         {},
         {"show"},
         "; this camera looks like the stc model: use --model stc\n",
         {"size=32 flag=0", "size=56 flag=1"}},
        {k47::Model::common,
         {},
         {"set", "--model", "stc", "recording.g_sensor=off"},
         "; this camera looks like the common model: use --model common\n",
         {"size=56 flag=0", "size=32 flag=1"}},
        // A camera that answers no size is no other model; the probe's failure is no status's.
        {k47::Model::common,
         {k47::Function::Qumat_GetMenuConfig, k47::Function::Qumat_GetTFVol},
         {"show"},
         "\nqumat_pro: status.card not read: Qumat_GetTFVol failed\n",
         {"size=32 flag=0", "size=56 flag=0"}},
    };
    for (const auto& [model, failing, arguments, errors, reads] : cases) {
        CliCamera camera = cameraFailing(failing, model);
        const auto before = camera.state();
        const auto outcome = camera.run(arguments);
        EXPECT_EQ(outcome.status, 1) << arguments[0];
        EXPECT_EQ(outcome.errors,
                  "qumat_pro: recording not read: Qumat_GetMenuConfig failed" + errors);
        EXPECT_EQ(menuReads(camera.journal()), reads) << arguments[0];
        EXPECT_EQ(camera.state(), before) << arguments[0];
    }
}

// Nothing writes the card capacity or the firmware: a command that writes goes on without them.
TEST(CliReadFailureTest, AFailedStatusReadOnlyWarnsACommandThatWrites) {
    const testing_support::TemporaryDirectory directory;
    const auto profile = (directory / "profile.ini").string();
    std::ofstream(profile) << "[recording]\ngps = off\n";
    const auto exported = (directory / "exported.ini").string();
    const auto cardWarning = "qumat_pro: warning: status.card not read: Qumat_GetTFVol failed\n";
    const Failing card{k47::Function::Qumat_GetTFVol};
    const struct {
        Failing failing;
        Arguments arguments;
        int status;
        std::string output;
        std::string errors;
        int gps;
    } cases[] = {
        {card, {"set", "recording.gps=off"}, 0, "recording: written\n", cardWarning, 0},
        {{k47::Function::Qumat_GetFwVersion, k47::Function::Qumat_GetTFVol},
         {"import", profile},
         0,
         "recording.gps: on -> off\nrecording: written\n",
         "qumat_pro: warning: status.firmware not read: Qumat_GetFwVersion failed\n" +
             std::string(cardWarning),
         0},
        {{k47::Function::Qumat_GetFwVersion, k47::Function::Qumat_GetTFVol},
         {"export", exported},
         0,
         "settings of the common model written to " + exported + "\n",
         "qumat_pro: warning: status.firmware not read: Qumat_GetFwVersion failed\n" +
             std::string(cardWarning),
         1},
        {{k47::Function::Qumat_GetTFVol, k47::Function::Qumat_SetMenuConfig},
         {"set", "recording.gps=off"},
         1,
         "",
         cardWarning +
             std::string("qumat_pro: recording: not written: Qumat_SetMenuConfig failed\n"),
         1},
        // With a setting unread, the status failure is an error like the other.
        {{k47::Function::Qumat_GetTFVol, k47::Function::Qumat_GetNetConfig},
         {"set", "recording.gps=off"},
         1,
         "",
         "qumat_pro: network not read: Qumat_GetNetConfig failed\n"
         "qumat_pro: status.card not read: Qumat_GetTFVol failed\n",
         1},
    };
    for (const auto& [failing, arguments, status, output, errors, gps] : cases) {
        CliCamera camera = cameraFailing(failing);
        const auto outcome = camera.run(arguments);
        EXPECT_EQ(outcome.status, status) << arguments[0];
        EXPECT_EQ(outcome.output, output) << arguments[0];
        EXPECT_EQ(outcome.errors, errors) << arguments[0];
        EXPECT_EQ(camera.state().menuRecord[kGpsByte], gps) << arguments[0];
    }
    // Nor does it name a firmware it could not read.
    EXPECT_TRUE(testing_support::fileContents(exported).starts_with(
        "; qumat_pro profile: model common\n\n"));
    EXPECT_EQ(testing_support::fileContents(exported).find("status"), std::string::npos);
}

// Show fails for any value it could not read, status values too, and when it cannot log in.
TEST(CliReadFailureTest, ShowJsonPrintsOnlyTheFirstFailureAsAnObject) {
    const struct {
        Failing failing;
        std::string json;
        std::string errors;
    } cases[] = {
        {{k47::Function::GetZFYInfo, k47::Function::Qumat_GetNetConfig},
         R"({"error": "identity not read: GetZFYInfo failed", "call": "GetZFYInfo"})",
         "qumat_pro: identity not read: GetZFYInfo failed\n"
         "qumat_pro: network not read: Qumat_GetNetConfig failed\n"},
        {{k47::Function::Qumat_GetFwVersion},
         R"({"error": "status.firmware not read: Qumat_GetFwVersion failed", )"
         R"("call": "Qumat_GetFwVersion"})",
         "qumat_pro: status.firmware not read: Qumat_GetFwVersion failed\n"},
        {{k47::Function::Init_Device},
         R"({"error": "no camera answered: Init_Device failed", "call": "Init_Device"})",
         "qumat_pro: no camera answered: Init_Device failed\n"},
        {{k47::Function::Qumat_Login},
         R"({"error": "the camera refused the password: Qumat_Login failed", )"
         R"("call": "Qumat_Login"})",
         "qumat_pro: the camera refused the password: Qumat_Login failed\n"},
        // Device kinds are numbered as set's refusals and show --json number them.
        {{},
         R"({"error": "Qumat_Get4GDevOrNot answered 7, where a camera answers 1, 2 or 3 )"
         R"j((device kind 0, 1 or 2)", "call": "Qumat_Get4GDevOrNot"})j",
         "qumat_pro: Qumat_Get4GDevOrNot answered 7, where a camera answers 1, 2 or 3 (device "
         "kind 0, 1 or 2)\n"},
    };
    for (const auto& [failing, json, errors] : cases) {
        CliCamera camera(k47::Model::common, [&](k47::CameraState& state) {
            state.faults.failing = failing;
            if (failing.empty()) {
                state.deviceAnswer = 7;
            }
        });
        const auto outcome = camera.run({"show", "--json"});
        EXPECT_EQ(outcome.status, 1) << errors;
        EXPECT_EQ(outcome.output, json + "\n");
        EXPECT_EQ(outcome.errors, errors);
    }
}

// Show and get answer for what they are asked: a failure elsewhere leaves their answer whole.
TEST(CliReadFailureTest, ANarrowedReadFailsOnlyForTheValuesItAsksFor) {
    const std::string firmwareFailed =
        "qumat_pro: status.firmware not read: Qumat_GetFwVersion failed\n";
    const struct {
        Arguments arguments;
        int status;
        std::string output;
        std::string errors;
    } cases[] = {
        {{"show", "network.ssid"}, 0, "network.ssid = FieldOffice\n", ""},
        {{"show", "--json", "identity.device_id"},
         0,
         "{\n  \"model\": \"common\",\n  \"device_kind\": 0,\n  \"identity\": {\n"
         "    \"device_id\": \"A123456\"\n  }\n}\n",
         ""},
        {{"get", "recording.gps"}, 0, "on\n", ""},
        {{"show", "status"}, 1, "status.card = Total 29.72 GB\n", firmwareFailed},
        // A script reading values by line gets none rather than one in the wrong place.
        {{"get", "network.ssid", "status.firmware"}, 1, "", firmwareFailed},
    };
    for (const auto& [arguments, status, output, errors] : cases) {
        CliCamera camera = cameraFailing({k47::Function::Qumat_GetFwVersion});
        const auto outcome = camera.run(arguments);
        EXPECT_EQ(outcome.status, status) << arguments.back();
        EXPECT_EQ(outcome.output, output) << arguments.back();
        EXPECT_EQ(outcome.errors, errors) << arguments.back();
    }
}

}  // namespace
