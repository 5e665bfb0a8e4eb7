// The settings window opening on the emulated camera, and its recording settings.
#include "settings_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <algorithm>
#include <set>

#include "dialog_geometry.h"
#include "edition.h"
#include "settings_fixture.h"

namespace {

using testing_support::SettingsFixture;
using Fault = std::function<void(k47::CameraState&)>;

constexpr std::size_t kEncryption = 27;

std::set<std::string> forcedDisabled(const QWidget& window) {
    std::set<std::string> names;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        // Disabled itself, not through a frame; a frame greys its title alone.
        const bool disabled = dynamic_cast<const ui::FrameGroup*>(widget) != nullptr
                                  ? testing_support::greyed(*widget)
                                  : widget->testAttribute(Qt::WA_ForceDisabled);
        if (disabled && !widget->objectName().isEmpty()) {
            names.insert(widget->objectName().toStdString());
        }
    }
    return names;
}

class SettingsSetUpTest : public testing::TestWithParam<int> {
  protected:
    SettingsFixture fixture_;
};

TEST_P(SettingsSetUpTest, ReadsEverythingInOrderAndShowsIt) {
    const auto& edition = editions::edition(GetParam());
    fixture_.useModelOf(GetParam());
    auto& window = fixture_.open(GetParam());

    const std::vector<std::string> common{
        "GetZFYInfo",     "Qumat_GetFwVersion",  "Qumat_GetNetConfig",
        "Qumat_GetTFVol", "Qumat_GetMenuConfig", "ReadDeviceResolution",
        "Qumat_SN_Info",  "Qumat_ApnPsw",        "Qumat_ApnUser"};
    const std::vector<std::string> stc{
        "GetZFYInfo",         "Qumat_GetFwVersion", "Qumat_GetTFVol", "Qumat_GetMenuConfig",
        "Qumat_GetNetConfig", "Qumat_ApnUser",      "Qumat_ApnPsw"};
    EXPECT_EQ(fixture_.calls(), edition.model.usesLongMenuRecord() ? stc : common);
    EXPECT_TRUE(fixture_.boxes.boxes().empty());

    EXPECT_EQ(window.windowTitle().toStdString(), edition.title);
    // The window's size in dialog units of its own font, scrolled on a screen that cannot hold it.
    const auto* scrolled = window.findChild<QScrollArea*>();
    EXPECT_EQ(scrolled ? scrolled->widget()->size() : window.size(),
              ui::dialogPixels(edition.language.settingsSize, ui::dialogBaseUnits(window)));
    EXPECT_EQ(fixture_.edit("deviceIdEdit")->text(), "A123456");
    EXPECT_EQ(fixture_.edit("officerIdEdit")->text(), "100234");
    EXPECT_EQ(fixture_.find<QLabel>("firmwareValue")->text(), "FW 2.4.18 build 20231108");
    EXPECT_EQ(fixture_.find<QLabel>("cardValue")->text(), "Total 29.72 GB");
    EXPECT_EQ(fixture_.edit("serverPortEdit")->text(), "7661");
    EXPECT_EQ(fixture_.edit("apnUserEdit")->text(), "fieldunit");
    EXPECT_EQ(fixture_.edit("apnPasswordEdit")->text(), "apn-pass-01");
    EXPECT_EQ(fixture_.edit("serialNumberEdit")->text(),
              edition.model.readsSerialNumber ? "SN23110804571" : "");
    EXPECT_TRUE(fixture_.edit("serialNumberEdit")->isHidden());
    EXPECT_TRUE(forcedDisabled(window).empty());
}

// A camera that answers nothing: every field keeps its layout text, and no list has a selection.
TEST_P(SettingsSetUpTest, FailedReadsLeaveTheLayoutAsItWas) {
    fixture_.useModelOf(GetParam());
    fixture_.changeCamera([](k47::CameraState& state) {
        for (const auto function : k47::allFunctions()) {
            state.faults.failing.insert(function);
        }
    });
    auto& window = fixture_.open(GetParam());

    EXPECT_TRUE(fixture_.boxes.boxes().empty());
    EXPECT_EQ(fixture_.find<QLabel>("cardValue")->text(), "58.65 GB");
    EXPECT_EQ(fixture_.find<QLabel>("firmwareValue")->text(), "FW_VERSION_20190808");
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    }
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
        const bool preset = list->objectName() == "modeList";
        EXPECT_EQ(list->currentIndex(), preset ? 0 : -1) << list->objectName().toStdString();
        EXPECT_TRUE(list->isEnabled()) << list->objectName().toStdString();
    }
}

TEST_P(SettingsSetUpTest, EnterEscapeAndTheCloseBoxEndTheWindow) {
    fixture_.useModelOf(GetParam());
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto& window = fixture_.open(GetParam());
        window.show();
        QTest::keyClick(fixture_.edit("ssidEdit"), key);
        EXPECT_FALSE(window.isVisible()) << key;
    }
    auto& window = fixture_.open(GetParam());
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(fixture_.boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Editions, SettingsSetUpTest, testing::Range(0, 5));

struct DeviceKindCase {
    int edition;
    int kind;
    int deviceIdLimit;
    std::set<std::string> disabled;
};

void PrintTo(const DeviceKindCase& value, std::ostream* out) {
    *out << "edition " << value.edition << " kind " << value.kind;
}

class DeviceKindTest : public testing::TestWithParam<DeviceKindCase> {};

TEST_P(DeviceKindTest, DisablesWhatTheCameraLacks) {
    const auto& expected = GetParam();
    SettingsFixture fixture;
    fixture.useModelOf(expected.edition);
    auto& window = fixture.open(expected.edition, expected.kind);

    EXPECT_EQ(forcedDisabled(window), expected.disabled);
    // The limit is on typing only: the camera's longer ID is shown whole.
    EXPECT_EQ(fixture.edit("deviceIdEdit")->text(), "A123456");
    fixture.type("deviceIdEdit", "ABCDEFGHI");
    EXPECT_EQ(fixture.edit("deviceIdEdit")->text().size(), expected.deviceIdLimit);
}

const std::set<std::string> kCommonKindOne{
    "cellular4gList", "cellular4gLabel", "cellularFrame",   "serverFrame",
    "apnEdit",        "apnLabel",        "pinEdit",         "pinLabel",
    "apnUserEdit",    "apnUserLabel",    "apnPasswordEdit", "apnPasswordLabel",
    "serverIpEdit",   "serverIpLabel",   "serverPortEdit",  "serverPortLabel"};
const std::set<std::string> kCommonKindTwo{"cellular4gList",     "cellularFrame",
                                           "serverFrame",        "apnEdit",
                                           "apnLabel",           "pinEdit",
                                           "pinLabel",           "apnUserEdit",
                                           "apnUserLabel",       "apnPasswordEdit",
                                           "apnPasswordLabel",   "serverIpEdit",
                                           "serverIpLabel",      "serverPortEdit",
                                           "serverPortLabel",    "wifiModeList",
                                           "ssidEdit",           "ssidLabel",
                                           "wifiPasswordEdit",   "wifiPasswordLabel",
                                           "liveResolutionList", "liveCodingFormatList",
                                           "networkGetButton",   "networkSetButton"};
const std::set<std::string> kStcKindTwo{"cellular4gList",
                                        "cellular4gLabel",
                                        "cellularFrame",
                                        "serverFrame",
                                        "apnEdit",
                                        "apnLabel",
                                        "pinEdit",
                                        "pinLabel",
                                        "apnUserEdit",
                                        "apnPasswordEdit",
                                        "apnPasswordLabel",
                                        "serverIpEdit",
                                        "serverIpLabel",
                                        "serverPortEdit",
                                        "serverPortLabel",
                                        "wifiModeList",
                                        "wifiModeLabel",
                                        "ssidEdit",
                                        "ssidLabel",
                                        "wifiPasswordEdit",
                                        "wifiPasswordLabel",
                                        "liveResolutionList",
                                        "liveResolutionLabel",
                                        "liveCodecList",
                                        "liveCodecLabel",
                                        "networkGetButton",
                                        "networkSetButton"};

INSTANTIATE_TEST_SUITE_P(Kinds, DeviceKindTest,
                         testing::Values(DeviceKindCase{editions::kEnglish, 0, 7, {}},
                                         DeviceKindCase{editions::kRussian, 1, 5, kCommonKindOne},
                                         DeviceKindCase{editions::kSpanish, 2, 5, kCommonKindTwo},
                                         DeviceKindCase{editions::kPortuguese, 2, 7, kStcKindTwo}));

// The recording group of the common model, in the English window unless a case says otherwise.
class RecordingTest : public testing::Test {
  protected:
    void setMenu(std::initializer_list<std::pair<std::size_t, uint8_t>> bytes) {
        fixture_.changeCamera([bytes](k47::CameraState& state) {
            for (const auto& [index, value] : bytes) {
                state.menuRecord[index] = value;
            }
        });
    }
    std::vector<uint8_t> cameraMenu() { return fixture_.camera.state().menuRecord; }

    SettingsFixture fixture_;
};

TEST_F(RecordingTest, SetUpBuildsListsFromTheMasksAndDisablesWhatTheCameraLacks) {
    // Photo size 0x83 over four sizes selects the fourth; quality is not offered.
    setMenu({{11, 0x83}, {23, 0x0F}, {24, 0x00}, {1, 0xFF}, {21, 0x90}, {22, 0x02}, {0, 1}});
    fixture_.open(editions::kEnglish);

    EXPECT_EQ(fixture_.entries("photoSizeList"), QStringList({"5M", "8M", "10M", "12M"}));
    EXPECT_EQ(fixture_.list("photoSizeList")->currentText(), "12M");
    EXPECT_EQ(fixture_.entries("resolutionList"),
              QStringList({"1920x1080 30P", "1280x720 30P", "848x480 30P"}));
    EXPECT_EQ(fixture_.list("resolutionList")->currentText(), "1280x720 30P");
    EXPECT_FALSE(fixture_.list("qualityList")->isEnabled());
    EXPECT_EQ(fixture_.list("qualityList")->currentIndex(), -1);
    EXPECT_EQ(fixture_.entries("qualityList"), QStringList({"S.Fine", "Fine", "Normal"}));
    EXPECT_EQ(fixture_.list("timeZoneList")->currentText(), "+ 3");

    // Get selects the photo size with its top bit: no entry.
    fixture_.click("menuGetButton");
    EXPECT_EQ(fixture_.list("photoSizeList")->currentIndex(), -1);
    EXPECT_FALSE(fixture_.list("qualityList")->isEnabled());
}

TEST_F(RecordingTest, UnsupportedPhotoSizeLeavesItsListEmptyAndDisabled) {
    setMenu({{11, 0xFF}, {23, 0xFF}});
    fixture_.open(editions::kFrench);
    EXPECT_EQ(fixture_.list("photoSizeList")->count(), 0);
    EXPECT_FALSE(fixture_.list("photoSizeList")->isEnabled());
}

TEST_F(RecordingTest, FailedMenuReadLeavesTheMaskListsEmptyAndSetWritesNothing) {
    fixture_.changeCamera([](k47::CameraState& state) {
        state.faults.failing.insert(k47::Function::Qumat_GetMenuConfig);
    });
    fixture_.open(editions::kEnglish);
    for (const auto* name :
         {"resolutionList", "postRecordList", "splitTimeList", "photoSizeList"}) {
        EXPECT_EQ(fixture_.list(name)->count(), 0) << name;
    }
    EXPECT_EQ(fixture_.list("gSensorList")->count(), 4);
    EXPECT_EQ(fixture_.edit("deviceIdEdit")->text(), "A123456");

    // Without a record read, a write would wipe every option: nothing is sent, and no question.
    fixture_.mark();
    fixture_.click("menuSetButton");
    EXPECT_EQ(fixture_.calls(), std::vector<std::string>());
    EXPECT_EQ(fixture_.boxes.texts(), QStringList({"Fail"}));

    // Once Get reads the record, Set sends it back as read: the lists the masks never built
    // keep their bytes, and the hidden bytes go as they came.
    fixture_.changeCamera([](k47::CameraState& state) {
        state.faults = {};
        state.menuRecord[11] = 0x81;
        state.menuRecord[28] = 0x02;
    });
    const auto before = fixture_.camera.state().menuRecord;
    fixture_.click("menuGetButton");
    fixture_.mark();
    fixture_.click("menuSetButton");
    const auto writes = fixture_.sent("Qumat_SetMenuConfig");
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0], before);
    EXPECT_EQ(writes[1], before);
}

TEST_F(RecordingTest, GetKeepsTheListsBuiltAtSetUpAndAFailedGetChangesNothing) {
    fixture_.open(editions::kEnglish);
    const QStringList resolutions = fixture_.entries("resolutionList");
    setMenu({{21, 0xFF}, {22, 0x07}, {0, 4}, {3, 0}});
    fixture_.click("menuGetButton");
    EXPECT_EQ(fixture_.entries("resolutionList"), resolutions);
    EXPECT_EQ(fixture_.list("resolutionList")->currentIndex(), 4);
    EXPECT_EQ(fixture_.list("splitTimeList")->currentText(), "1 Min");
    EXPECT_EQ(fixture_.boxes.texts(), QStringList({"Successfully"}));

    fixture_.changeCamera([](k47::CameraState& state) {
        state.faults.failing.insert(k47::Function::Qumat_GetMenuConfig);
        state.menuRecord[3] = 2;
    });
    fixture_.boxes.clear();
    fixture_.click("menuGetButton");
    EXPECT_EQ(fixture_.list("splitTimeList")->currentText(), "1 Min");
    EXPECT_EQ(fixture_.boxes.texts(), QStringList({"Fail"}));
}

// Bytes that no list fills go back as the camera gave them; disabled lists still write.
TEST_F(RecordingTest, SetWritesEveryListAndKeepsWhatTheWindowDoesNotShow) {
    setMenu({{28, 0x00}, {29, 0x00}});
    fixture_.open(editions::kSpanish, 2);
    const auto before = cameraMenu();
    fixture_.list("cellular4gList")->setCurrentIndex(0);
    fixture_.list("liveResolutionList")->setCurrentIndex(3);
    fixture_.click("menuSetButton");

    const auto writes = fixture_.sent("Qumat_SetMenuConfig");
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0], writes[1]);
    auto expected = before;
    expected[12] = 0;
    expected[17] = 3;
    EXPECT_EQ(writes[0], expected);
    EXPECT_EQ(fixture_.boxes.texts(), QStringList({"Con éxito"}));
}

TEST_F(RecordingTest, RussianWindowWritesItsButtonListsAndNotTheVideoStamp) {
    setMenu({{28, 0x00}, {29, 0xFF}, {30, 0x00}, {31, 0x01}});
    fixture_.open(editions::kRussian);
    EXPECT_FALSE(fixture_.list("powerButtonList")->isEnabled());
    EXPECT_EQ(fixture_.entries("photoButtonList"), QStringList({"Выкл", "Bкл"}));
    fixture_.list("photoButtonList")->setCurrentIndex(1);
    fixture_.click("menuSetButton");
    const auto writes = fixture_.sent("Qumat_SetMenuConfig");
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(std::vector<uint8_t>(writes[0].begin() + 28, writes[0].end()),
              std::vector<uint8_t>({0x00, 0xFF, 0x01, 0x01}));
}

struct EncryptionCase {
    const char* name;
    uint8_t cameraOption;  // byte 27 when the window opens
    int choice;            // the user's selection in the encryption list
    window_logic::MessageBoxButton answer;
    bool firstWriteFails;
    std::vector<uint8_t> writtenOptions;  // byte 27 of each write, failed ones included
    bool formats;
    int shown;  // the encryption list's selection afterwards
    QStringList boxes;
};

void PrintTo(const EncryptionCase& value, std::ostream* out) {
    *out << value.name;
}

class EncryptionTest : public testing::TestWithParam<EncryptionCase> {};

TEST_P(EncryptionTest, FormatsOnlyAfterAWriteAndAYes) {
    const auto& expected = GetParam();
    SettingsFixture fixture;
    fixture.changeCamera([&](k47::CameraState& state) {
        state.menuRecord[kEncryption] = expected.cameraOption;
        if (expected.firstWriteFails) {
            state.faults.failing.insert(k47::Function::Qumat_SetMenuConfig);
        }
    });
    fixture.open(editions::kEnglish);
    fixture.mark();
    fixture.list("aesEncryptionList")->setCurrentIndex(expected.choice);
    fixture.boxes.answerNext(expected.answer);
    fixture.click("menuSetButton");

    std::vector<uint8_t> options;
    for (const auto& record : fixture.sent("Qumat_SetMenuConfig")) {
        options.push_back(record[kEncryption]);
    }
    EXPECT_EQ(options, expected.writtenOptions);
    const auto calls = fixture.calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Qumat_FormatTFCard"), expected.formats);
    EXPECT_EQ(fixture.list("aesEncryptionList")->currentIndex(), expected.shown);
    EXPECT_EQ(fixture.boxes.texts(), expected.boxes);
    if (expected.formats) {
        EXPECT_EQ(calls, std::vector<std::string>(
                             {"Qumat_SetMenuConfig", "Qumat_FormatTFCard", "Qumat_SetMenuConfig"}));
        EXPECT_EQ(fixture.lines()[1], "Qumat_FormatTFCard password=\"000000\" flag=1");
    }
}

const QString kQuestion = "Changing AES option will make camera lose all data. Confirm to change?";
using enum window_logic::MessageBoxButton;

INSTANTIATE_TEST_SUITE_P(
    Cases, EncryptionTest,
    testing::Values(
        EncryptionCase{"Unchanged", 0, 0, No, false, {0, 0}, false, 0, {"Successfully"}},
        EncryptionCase{
            "OnAnsweredNo", 0, 1, No, false, {1, 0}, false, 0, {kQuestion, "Successfully"}},
        EncryptionCase{
            "OnAnsweredYes", 0, 1, Yes, false, {1, 1}, true, 1, {kQuestion, "Successfully"}},
        EncryptionCase{
            "OffAnsweredNo", 1, 0, No, false, {0, 1}, false, 1, {kQuestion, "Successfully"}},
        EncryptionCase{
            "NotOfferedWritesOnce", 0xFF, 1, Yes, false, {1}, false, 1, {"Successfully"}},
        EncryptionCase{"FailedWriteNeverFormats", 0, 1, Yes, true, {1}, false, 0, {"Fail"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The known option is the edition's own and outlives the window.
TEST(EncryptionOptionTest, IsKeptPerEditionAcrossWindows) {
    SettingsFixture fixture;
    fixture.changeCamera([](k47::CameraState& state) { state.menuRecord[kEncryption] = 1; });
    fixture.open(editions::kFrench);
    EXPECT_EQ(fixture.session.lastRead[editions::kFrench].encryptionOption, 1);
    EXPECT_EQ(fixture.session.lastRead[editions::kEnglish].encryptionOption, 0);

    fixture.changeCamera([](k47::CameraState& state) {
        state.faults.failing.insert(k47::Function::Qumat_GetMenuConfig);
    });
    fixture.open(editions::kFrench);
    EXPECT_EQ(fixture.session.lastRead[editions::kFrench].encryptionOption, 1);
}

// The other model's menu: read with no box unless it fails, written over the camera's own bytes.
TEST(StcMenuWindowTest, ReadsSilentlyAndWritesOverTheCamerasFirstBytes) {
    SettingsFixture fixture;
    fixture.useModelOf(editions::kPortuguese);
    fixture.changeCamera([](k47::CameraState& state) { state.menuRecord[30] = 0xFF; });
    fixture.open(editions::kPortuguese);
    fixture.mark();
    EXPECT_FALSE(fixture.list("externalCameraResolutionList")->isEnabled());
    EXPECT_EQ(fixture.list("frontCameraResolutionList")->currentText(), "1920x1080");

    fixture.changeCamera([](k47::CameraState& state) { state.menuRecord[28] = 0; });
    fixture.click("menuGetButton");
    EXPECT_EQ(fixture.list("frontCameraResolutionList")->currentText(), "2688x1512");
    EXPECT_TRUE(fixture.boxes.boxes().empty());

    const auto camera = fixture.camera.state().menuRecord;
    fixture.list("storageEncryptionList")->setCurrentIndex(1);
    fixture.click("menuSetButton");
    const auto writes = fixture.sent("Qumat_SetMenuConfig");
    ASSERT_EQ(writes.size(), 2u);
    auto expected = camera;
    expected[44] = 1;
    EXPECT_EQ(writes[0], expected);
    expected[44] = 0;
    EXPECT_EQ(writes[1], expected);
    EXPECT_EQ(fixture.list("storageEncryptionList")->currentIndex(), 0);
    EXPECT_EQ(fixture.boxes.texts(),
              QStringList({"Mudar a codificação causará a perda de todos os dados. Confirma a "
                           "mudança?",
                           "OK"}));

    fixture.changeCamera([](k47::CameraState& state) {
        state.faults.failing.insert(k47::Function::Qumat_GetMenuConfig);
        state.menuRecord[28] = 3;
    });
    fixture.boxes.clear();
    fixture.click("menuGetButton");
    fixture.click("menuSetButton");
    EXPECT_EQ(fixture.list("frontCameraResolutionList")->currentText(), "2688x1512");
    EXPECT_EQ(fixture.boxes.texts(), QStringList({"incorreta", "incorreta"}));
    EXPECT_EQ(fixture.sent("Qumat_SetMenuConfig").size(), 2u);
}

}  // namespace

// The other model's Gravar writes only what the camera gave: a list follows the last Consultar,
// and one without a selection keeps the byte just read, so an untouched Gravar never asks to
// format the card.
TEST(StcMenuWindowTest, UntouchedSetWritesBackWhatTheCameraHolds) {
    for (const bool openingReadFails : {false, true}) {
        SCOPED_TRACE(openingReadFails ? "opening read fails" : "encryption offered later");
        SettingsFixture fixture;
        fixture.useModelOf(editions::kPortuguese);
        fixture.changeCamera([&](k47::CameraState& state) {
            state.menuRecord[44] = 0xFF;
            if (openingReadFails) {
                state.faults.failing.insert(k47::Function::Qumat_GetMenuConfig);
            }
        });
        fixture.open(editions::kPortuguese);
        fixture.changeCamera([](k47::CameraState& state) {
            state.faults.failing.clear();
            state.menuRecord[44] = 1;
        });
        if (!openingReadFails) {
            fixture.click("menuGetButton");
            EXPECT_EQ(fixture.list("storageEncryptionList")->currentIndex(), 1);
        }
        fixture.mark();
        const auto camera = fixture.camera.state().menuRecord;
        fixture.click("menuSetButton");

        EXPECT_EQ(fixture.sent("Qumat_SetMenuConfig"), (std::vector<std::vector<uint8_t>>{camera}));
        EXPECT_EQ(fixture.calls(),
                  (std::vector<std::string>{"Qumat_GetMenuConfig", "Qumat_SetMenuConfig"}));
        EXPECT_EQ(fixture.boxes.texts(), QStringList({"OK"}));
    }
}
