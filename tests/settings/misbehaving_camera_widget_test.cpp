// Every window against a camera that misbehaves in every way the emulated camera can: each
// library call in turn failing, answering with unterminated texts, leaving buffers untouched or
// reporting success with a flag other than 1, and a camera unplugged or in mass-storage mode in
// the middle of a session. The program keeps running, shows only bytes from inside the buffers,
// reports a failed call as a failure and never formats the card after a failed write.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>
#include <set>

#include "edition.h"
#include "emulated_camera_library.h"
#include "login_window.h"
#include "recording_hand_over.h"
#include "scripted_message_boxes.h"
#include "settings_window.h"
#include "temporary_directory.h"

namespace {

using k47::Function;

enum class Fault { fails, unterminated, untouched, flagTwo, flagMinusOne };

void apply(Fault fault, Function function, k47::Faults& faults) {
    switch (fault) {
        case Fault::fails:
            faults.failing.insert(function);
            break;
        case Fault::unterminated:
            faults.unterminated.insert(function);
            break;
        case Fault::untouched:
            faults.untouched.insert(function);
            break;
        case Fault::flagTwo:
            faults.successFlags[function] = 2;
            break;
        case Fault::flagMinusOne:
            faults.successFlags[function] = -1;
            break;
    }
}

// The widest text each field can show: its buffer's width.
const std::map<QString, int> kFieldWidths{
    {"deviceIdEdit", 8},      {"officerIdEdit", 86},    {"ssidEdit", 17},
    {"wifiPasswordEdit", 17}, {"apnEdit", 33},          {"pinEdit", 9},
    {"serverIpEdit", 17},     {"serverPortEdit", 9},    {"apnUserEdit", 33},
    {"apnPasswordEdit", 33},  {"serialNumberEdit", 16}, {"oldPasswordEdit", 7},
    {"newPasswordEdit", 6},   {"passwordEdit", 6},      {"cardValue", 64},
    {"firmwareValue", 64}};

// Each settings button, in the order pressed, and the calls whose failure it reports.
struct Button {
    const char* name;
    std::set<Function> reports;
};
const std::vector<Button> kButtons{
    {"identityGetButton", {Function::GetZFYInfo}},
    // A text group's Set fails, sending nothing, when no read filled its fields.
    {"identitySetButton", {Function::GetZFYInfo, Function::WriteZFYInfo}},
    {"passwordGetButton", {Function::Qumat_GetPsw}},
    {"passwordModifyButton", {Function::Qumat_ChangePsw}},
    {"serialNumberGetButton", {Function::Qumat_SN_Info}},
    {"serialNumberSetButton", {Function::Qumat_SN_Info}},
    {"networkGetButton",
     {Function::Qumat_GetNetConfig, Function::Qumat_ApnUser, Function::Qumat_ApnPsw}},
    {"networkSetButton",
     {Function::Qumat_GetNetConfig, Function::Qumat_ApnUser, Function::Qumat_ApnPsw,
      Function::Qumat_SetNetConfig}},
    {"menuGetButton", {Function::Qumat_GetMenuConfig}},
    {"menuSetButton", {Function::Qumat_SetMenuConfig}},
    {"setTimeButton", {Function::SyncDevTime}},
    {"setDefaultButton", {Function::Qumat_SetDefault}},
    {"enterUDiskButton", {Function::SetMSDC}},
};

class Session {
  public:
    explicit Session(int edition) : edition_(editions::edition(edition)) {
        if (edition_.model.usesLongMenuRecord()) {
            camera.setState(k47::factorySettings(k47::Model::stc));
        }
    }

    void misbehave(const std::function<void(k47::CameraState&)>& change) {
        auto state = camera.state();
        change(state);
        camera.setState(state);
    }

    // Connects and logs in through the login window, as a user would.
    void logIn() {
        login::LoginWindow window(edition_, context);
        window.findChild<QPushButton*>("connectButton")->click();
        QTest::keyClicks(window.findChild<QLineEdit*>("passwordEdit"), "000000");
        window.findChild<QPushButton*>("loginButton")->click();
        checkShownTexts(window);
    }

    // Opens the settings window and presses every button it serves, a Yes to every question.
    void useSettings() {
        session.connected = 1;
        session.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
        settings::SettingsWindow window(edition_, context);
        checkShownTexts(window);
        QTest::keyClicks(window.findChild<QLineEdit*>("newPasswordEdit"), "abcdef");
        for (const auto& button : kButtons) {
            const auto state = camera.state();
            boxes.clear();
            for (int answer = 0; answer < 2; ++answer) {
                boxes.answerNext(window_logic::MessageBoxButton::Yes);
            }
            window.findChild<QPushButton*>(button.name)->click();
            checkShownTexts(window);
            checkReport(button, state);
        }
    }

    // What the journal shows of formats: each right after a menu write the camera took.
    void checkFormats() const {
        const auto journal = camera.journal();
        for (std::size_t line = 0; line < journal.size(); ++line) {
            if (journal[line].starts_with("Qumat_FormatTFCard")) {
                ASSERT_GT(line, 0u);
                EXPECT_TRUE(journal[line - 1].starts_with("Qumat_SetMenuConfig"));
                EXPECT_FALSE(journal[line - 1].ends_with("flag=0"));
            }
        }
    }

    testing_support::TemporaryDirectory directory;
    testing_support::EmulatedCameraLibrary camera{directory.path()};
    testing_support::ScriptedMessageBoxes boxes;
    testing_support::RecordingHandOver handOver;
    window_logic::Session session;
    ui::FontMeasures fontMeasures;
    ui::Context context{{camera, boxes, handOver, session, directory / "Language.ini"},
                        fontMeasures};

  private:
    void checkShownTexts(const QWidget& window) const {
        for (const auto& [name, width] : kFieldWidths) {
            if (const auto* edit = window.findChild<QLineEdit*>(name)) {
                EXPECT_LE(edit->text().size(), width) << name.toStdString();
            }
            if (const auto* label = window.findChild<QLabel*>(name)) {
                EXPECT_LE(label->text().size(), width) << name.toStdString();
            }
        }
    }

    // A button reports failure when a call it reports on fails; the Portuguese menu read shows
    // nothing when it succeeds.
    void checkReport(const Button& button, const k47::CameraState& before) {
        const bool served = edition_.model.readsSerialNumber ||
                            !std::string_view(button.name).starts_with("serialNumber");
        if (!served) {
            EXPECT_TRUE(boxes.boxes().empty()) << button.name;
            return;
        }
        bool fails = !before.attached;
        for (const Function function : button.reports) {
            fails |= before.faults.fails(function);
        }
        // A menu never read is never written.
        if (std::string_view(button.name) == "menuSetButton") {
            fails |= before.faults.fails(Function::Qumat_GetMenuConfig);
        }
        // Texts the camera ran on to their fields' ends do not go back as they came.
        const std::string_view name(button.name);
        for (const Function read :
             {Function::Qumat_GetNetConfig, Function::Qumat_ApnUser, Function::Qumat_ApnPsw}) {
            fails |= name == "networkSetButton" && before.faults.leavesUnterminated(read);
        }
        if (boxes.boxes().empty()) {
            EXPECT_TRUE(edition_.model.usesLongMenuRecord() && !fails) << button.name;
            return;
        }
        const auto& texts = edition_.language.settings;
        const QString last = boxes.texts().back();
        if (fails) {
            EXPECT_EQ(last.toStdString(), texts.failure) << button.name;
            return;
        }
        // A text read whole from an unterminated buffer may be too long to write back.
        const std::set<std::string_view> outcomes{texts.success, texts.idLengthWrong,
                                                  editions::kWrongSerialNumber};
        EXPECT_TRUE(outcomes.contains(last.toStdString()))
            << button.name << ": " << last.toStdString();
    }

    const editions::Edition& edition_;
};

class MisbehavingCameraTest : public testing::TestWithParam<int> {};

TEST_P(MisbehavingCameraTest, EveryCallMisbehavingInTurn) {
    int pairs = 0;
    for (const Function function : k47::allFunctions()) {
        for (const Fault fault : {Fault::fails, Fault::unterminated, Fault::untouched,
                                  Fault::flagTwo, Fault::flagMinusOne}) {
            SCOPED_TRACE(testing::Message()
                         << k47::functionName(function) << " fault " << static_cast<int>(fault));
            {
                Session session(GetParam());
                session.misbehave(
                    [&](k47::CameraState& state) { apply(fault, function, state.faults); });
                session.logIn();
            }
            Session session(GetParam());
            ASSERT_TRUE(session.camera.connectAndLogIn());
            session.misbehave(
                [&](k47::CameraState& state) { apply(fault, function, state.faults); });
            session.useSettings();
            session.checkFormats();
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 21 * 5);
}

// A camera that goes away in the middle: every press reports a failure, nothing crashes.
TEST_P(MisbehavingCameraTest, CameraUnpluggedOrInMassStorageModeMidSession) {
    for (const bool unplugged : {true, false}) {
        Session session(GetParam());
        ASSERT_TRUE(session.camera.connectAndLogIn());
        session.session.connected = 1;
        session.session.loginPassword = {'0', '0', '0', '0', '0', '0', '\0'};
        settings::SettingsWindow window(editions::edition(GetParam()), session.context);
        if (unplugged) {
            session.misbehave([](k47::CameraState& state) { state.attached = false; });
        } else {
            int32_t flag = 0;
            session.camera.SetMSDC("000000", &flag);
            ASSERT_EQ(flag, 1);
        }
        for (const auto& button : kButtons) {
            session.boxes.clear();
            window.findChild<QPushButton*>(button.name)->click();
            for (const QString& text : session.boxes.texts()) {
                const auto& texts = editions::edition(GetParam()).language.settings;
                EXPECT_NE(text.toStdString(), texts.success) << button.name;
            }
        }
        EXPECT_TRUE(session.handOver.runs().empty());
        session.checkFormats();
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, MisbehavingCameraTest, testing::Range(0, 5));

}  // namespace
