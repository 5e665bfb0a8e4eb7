// Texts typed or pasted into the settings window, through the window logic alone: a control
// character is refused with the refusal box naming the field, and nothing is sent; what the camera
// gave goes back as it came.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

// The settings window of an edition, open on an emulated camera.
class OpenWindow {
  public:
    explicit OpenWindow(const editions::Edition& edition,
                        const std::function<void(k47::CameraState&)>& change = {})
        : edition_(edition) {
        // The editions here serve the common model.
        auto state = k47::factorySettings(k47::Model::common);
        if (change) {
            change(state);
        }
        camera.setState(state);
        EXPECT_TRUE(camera.connectAndLogIn());
        session_.connected = 1;
        session_.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
        settings_.open();
        opened_ = camera.journal().size();
    }

    void press(Button button) { settings_.press(button); }

    // The calls since the window opened.
    std::vector<std::string> callsSinceOpening() const {
        const auto journal = camera.journal();
        return {journal.begin() + static_cast<std::ptrdiff_t>(opened_), journal.end()};
    }

  private:
    const editions::Edition& edition_;
    testing_support::TemporaryDirectory directory_;

  public:
    testing_support::EmulatedCameraLibrary camera{directory_.path()};
    testing_support::ScriptedBoxes boxes;
    testing_support::FakeWindowControls controls{testing_support::settingsControls(edition_)};

  private:
    testing_support::RecordingHandOver handOver_;
    window_logic::Session session_;
    window_logic::Services services_{camera, boxes, handOver_, session_,
                                     directory_ / "Language.ini"};
    window_logic::SettingsLogic settings_{edition_, services_, controls};
    std::size_t opened_ = 0;
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
        {english, &english.model.rowAt("apn_user"), "\x1B[2Jx", Button::networkSet,
         "APN User: holds the control character U+001B"},
        {english, &english.model.rowAt("device_id"), "B76\t432", Button::identitySet,
         "Device ID: holds the control character U+0009"},
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
        window.press(button);
        ASSERT_EQ(window.boxes.shown().size(), 1u) << refusal;
        EXPECT_EQ(window.boxes.shown().front().text, refusal + std::string(kRefusal));
        EXPECT_EQ(window.boxes.shown().front().caption, edition.language.login.caption);
        EXPECT_EQ(window.callsSinceOpening(), std::vector<std::string>()) << refusal;
        EXPECT_EQ(window.camera.state(), before) << refusal;
    }
}

TEST(TypedTextsTest, AControlCharacterTheCameraGaveGoesBackAsItCame) {
    const auto& english = editions::edition(editions::kEnglish);
    OpenWindow window(english, [](k47::CameraState& state) { state.apn = "in\x1B[0mternet"; });
    window.controls.type(&english.model.rowAt("ssid"), "Depot");
    window.press(Button::networkSet);
    ASSERT_EQ(window.boxes.shown().size(), 1u);
    EXPECT_EQ(window.boxes.shown().front().text, english.language.settings.success);
    EXPECT_EQ(window.camera.state().ssid, "Depot");
    EXPECT_EQ(window.camera.state().apn, "in\x1B[0mternet");
}

}  // namespace
