// The settings window's Set under a change log that cannot take the change, through the window
// logic alone: nothing reaches the camera, and the failure box gives the log's reason.
#include <gtest/gtest.h>

#include "emulated_camera_library.h"
#include "fake_window_controls.h"
#include "logging_camera_library.h"
#include "recording_hand_over.h"
#include "scripted_boxes.h"
#include "settings_logic.h"
#include "temporary_directory.h"

namespace {

using editions::Button;

TEST(WindowChangeLogTest, ASetTheLogCannotTakeSendsNothingAndTheBoxSaysWhy) {
    const auto& edition = editions::edition(editions::kEnglish);
    const auto& model = edition.model;
    testing_support::TemporaryDirectory folder;
    // A folder, or a file that takes no writing, in the log's place.
    for (const std::filesystem::path& place : {
             folder.path(),
#ifndef _WIN32
             std::filesystem::path("/proc/version"),
#endif
         }) {
        testing_support::TemporaryDirectory directory;
        testing_support::EmulatedCameraLibrary camera(directory.path());
        change_log::LoggingCameraLibrary logged(camera, place);
        logged.serve(model, {.frontEnd = "window", .edition = "English"});
        testing_support::ScriptedBoxes boxes;
        testing_support::RecordingHandOver handOver;
        window_logic::Session session;
        window_logic::Services services{
            logged, boxes, handOver, session, directory / "Language.ini", [&logged] {
                return logged.failure();
            }};
        ASSERT_TRUE(camera.connectAndLogIn());
        session.connected = 1;
        session.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
        testing_support::FakeWindowControls controls(testing_support::settingsControls(edition));
        window_logic::SettingsLogic settings(edition, services, controls);
        settings.open();
        const auto before = camera.state();
        const auto opened = camera.journal().size();

        controls.type(&model.rowAt("device_id"), "B765432");
        settings.press(Button::identitySet);
        controls.type(&model.rowAt("ssid"), "Depot");
        settings.press(Button::networkSet);
        controls.select(&model.rowAt("gps"), 0);
        settings.press(Button::menuSet);

        EXPECT_EQ(camera.state(), before) << place;
        const auto journal = camera.journal();
        for (auto call = journal.begin() + static_cast<std::ptrdiff_t>(opened);
             call != journal.end(); ++call) {
            EXPECT_FALSE(call->starts_with("WriteZFYInfo") ||
                         call->starts_with("Qumat_SetNetConfig") ||
                         call->starts_with("Qumat_SetMenuConfig"))
                << *call;
        }
        ASSERT_EQ(boxes.shown().size(), 3u) << place;
        for (const auto& box : boxes.shown()) {
            EXPECT_TRUE(box.text.starts_with(edition.language.settings.failure)) << box.text;
            EXPECT_NE(box.text.find("\n\nthe change log " + place.string() + " cannot be written"),
                      std::string::npos)
                << box.text;
        }
    }
}

}  // namespace
