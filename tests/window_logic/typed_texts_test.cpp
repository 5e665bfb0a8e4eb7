// Texts typed or pasted into the settings window, through the window logic alone: a control
// character is refused with the refusal box naming the field, and nothing is sent; what the camera
// gave goes back as it came.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "emulated_camera_library.h"
#include "fake_window_controls.h"
#include "recording_hand_over.h"
#include "scripted_boxes.h"
#include "settings_logic.h"
#include "temporary_directory.h"

namespace {

using editions::Button;
using window_logic::Control;

constexpr std::string_view kRefusal =
    "; a camera text takes no line break, tab, escape or other control character";

// The settings window of an edition of the common model, open on an emulated camera.
struct OpenWindow {
    explicit OpenWindow(
        const editions::Edition& edition,
        const std::function<void(k47::CameraState&)>& change = [](auto&) {})
        : edition(edition) {
        auto state = k47::factorySettings(k47::Model::common);
        change(state);
        camera.setState(state);
        EXPECT_TRUE(camera.connectAndLogIn());
        session.connected = 1;
        session.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
        settings.open();
        opened = camera.journal().size();
    }

    const editions::Edition& edition;
    testing_support::TemporaryDirectory directory;
    testing_support::EmulatedCameraLibrary camera{directory.path()};
    testing_support::ScriptedBoxes boxes;
    testing_support::FakeWindowControls controls{testing_support::settingsControls(edition)};
    testing_support::RecordingHandOver handOver;
    window_logic::Session session;
    window_logic::Services services{camera, boxes, handOver, session, directory / "Language.ini"};
    window_logic::SettingsLogic settings{edition, services, controls};
    // The camera's calls when the window had opened.
    std::size_t opened = 0;
};

TEST(TypedTextsTest, AControlCharacterTypedOrPastedIsRefusedNamingItsField) {
    const auto& english = editions::edition(editions::kEnglish);
    const auto& russian = editions::edition(editions::kRussian);
    const struct {
        const editions::Edition& edition;
        Control field;
        std::string typed;
        Button button;
        std::string refusal;
    } cases[] = {
        {english, &english.model.rowAt("ssid"), "Depot\nYard", Button::networkSet,
         "SSID: holds the control character U+000A"},
        {russian, &russian.model.rowAt("officer_id"),
         "12\xC2\x9B"
         "456",
         Button::identitySet, "ID сотрудника: holds the control character U+009B"},
        {english, editions::WindowField::newPassword,
         "12\x7F"
         "456",
         Button::passwordModify, "New Password: holds the control character U+007F"},
    };
    for (const auto& [edition, field, typed, button, refusal] : cases) {
        OpenWindow window(edition);
        const auto before = window.camera.state();
        window.controls[field].text = typed;
        window.settings.press(button);
        ASSERT_EQ(window.boxes.shown().size(), 1u) << refusal;
        EXPECT_EQ(window.boxes.shown().front().text, refusal + std::string(kRefusal));
        EXPECT_EQ(window.boxes.shown().front().caption, edition.language.login.caption);
        EXPECT_EQ(window.camera.journal().size(), window.opened) << refusal;
        EXPECT_EQ(window.camera.state(), before) << refusal;
    }
}

TEST(TypedTextsTest, AControlCharacterTheCameraGaveGoesBackAsItCame) {
    const auto& english = editions::edition(editions::kEnglish);
    OpenWindow window(english, [](k47::CameraState& state) { state.apn = "in\x1B[0mternet"; });
    window.controls.type(&english.model.rowAt("ssid"), "Depot");
    window.settings.press(Button::networkSet);
    ASSERT_EQ(window.boxes.shown().size(), 1u);
    EXPECT_EQ(window.boxes.shown().front().text, english.language.settings.success);
    EXPECT_EQ(window.camera.state().ssid, "Depot");
    EXPECT_EQ(window.camera.state().apn, "in\x1B[0mternet");
}

}  // namespace
