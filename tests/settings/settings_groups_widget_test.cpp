// The identity, serial-number, password, network and device groups of the settings window, on
// the emulated camera, with the bytes the camera received.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "edition.h"
#include "settings_fixture.h"
#include "window_hand_over.h"

namespace {

using testing_support::RecordingHandOver;
using testing_support::SettingsFixture;

std::vector<uint8_t> bytesOf(std::string_view text, std::size_t size) {
    std::vector<uint8_t> bytes(size, 0);
    std::copy(text.begin(), text.end(), bytes.begin());
    return bytes;
}

// The first bytes of a record: the device ID (8 bytes), then the officer ID.
std::vector<uint8_t> identityStart(std::string_view deviceId, std::string_view officerId) {
    auto bytes = bytesOf(deviceId, 16);
    std::copy(officerId.begin(), officerId.end(), bytes.begin() + 8);
    return bytes;
}

class GroupsTest : public testing::Test {
  protected:
    SettingsFixture& open(int edition, int deviceKind = 0) {
        fixture_.useModelOf(edition);
        fixture_.open(edition, deviceKind);
        fixture_.mark();
        return fixture_;
    }
    void camera(const std::function<void(k47::CameraState&)>& change) {
        fixture_.changeCamera(change);
    }
    QStringList boxes() const { return fixture_.boxes.texts(); }
    QString caption() const { return fixture_.boxes.boxes().back().caption; }

    SettingsFixture fixture_;
};

struct IdentityCase {
    const char* name;
    int edition;
    bool setUpReadFails;
    QString deviceId;
    QString officerId;
    QString box;
    // The first 16 bytes written, or nothing when refused.
    std::vector<uint8_t> written;
};

void PrintTo(const IdentityCase& value, std::ostream* out) {
    *out << value.name;
}

class IdentitySetTest : public testing::TestWithParam<IdentityCase> {};

TEST_P(IdentitySetTest, WritesOnlyADeviceIdOfTheLengthLastRead) {
    const auto& expected = GetParam();
    SettingsFixture fixture;
    fixture.useModelOf(expected.edition);
    if (expected.setUpReadFails) {
        fixture.changeCamera([](k47::CameraState& state) {
            state.faults.failing.insert(k47::Function::GetZFYInfo);
        });
    }
    fixture.open(expected.edition);
    fixture.mark();
    fixture.type("deviceIdEdit", expected.deviceId);
    fixture.type("officerIdEdit", expected.officerId);
    fixture.click("identitySetButton");

    EXPECT_EQ(fixture.boxes.texts(), QStringList({expected.box}));
    const auto writes = fixture.sent("WriteZFYInfo");
    if (expected.written.empty()) {
        EXPECT_TRUE(fixture.calls().empty());
        // A refused input under the login caption, a failure under the result caption.
        const auto& language = editions::edition(expected.edition).language;
        EXPECT_EQ(fixture.boxes.boxes()[0].caption.toStdString(),
                  expected.box.toStdString() == language.settings.failure
                      ? language.settings.caption
                      : language.login.caption);
        return;
    }
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(std::vector<uint8_t>(writes[0].begin(), writes[0].begin() + 16), expected.written);
    EXPECT_EQ(std::count(writes[0].begin() + 16, writes[0].end(), 0), 94 - 16);
    EXPECT_NE(fixture.lines()[0].find("password=\"000000\""), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdentitySetTest,
    testing::Values(
        IdentityCase{"SameLength", editions::kEnglish, false, "B765432", "42", "Successfully",
                     identityStart("B765432", "42")},
        // Six characters can be typed, and six bytes are written.
        IdentityCase{"OfficerIdCutToSix", editions::kFrench, false, "B765432", "12345678",
                     "reussie", identityStart("B765432", "123456")},
        IdentityCase{"OtherLengthRefused",
                     editions::kRussian,
                     false,
                     "B76543",
                     "1",
                     "ID длина ошибиться",
                     {}},
        IdentityCase{
            "NothingReadRefusesAnId", editions::kSpanish, true, "B", "1", "ID Length Wrong", {}},
        // Blank fields no read filled are not the camera's values: nothing is sent.
        IdentityCase{"NothingReadSendsNoBlanks", editions::kSpanish, true, "", "1", "Fallida", {}},
        IdentityCase{"SevenByteOfficerId", editions::kPortuguese, false, "B765432", "1234567", "OK",
                     identityStart("B765432", "1234567")}),
    [](const auto& info) { return std::string(info.param.name); });

// Only the flag 1 carries values in the common editions; the other model takes any success.
TEST_F(GroupsTest, IdentityGetFillsTheFieldsByTheEditionsRule) {
    for (const int edition : {editions::kEnglish, editions::kPortuguese}) {
        open(edition);
        camera([](k47::CameraState& state) {
            state.deviceId = "C99";
            state.faults.successFlags[k47::Function::GetZFYInfo] = 2;
        });
        fixture_.click("identityGetButton");
        const bool fills = edition == editions::kPortuguese;
        EXPECT_EQ(fixture_.edit("deviceIdEdit")->text(), fills ? "C99" : "A123456");
        EXPECT_EQ(fixture_.session.lastRead[static_cast<std::size_t>(edition)].deviceIdLength,
                  fills ? 3 : 7);
        EXPECT_EQ(boxes().size(), 1);
        EXPECT_EQ(boxes()[0].toStdString(), editions::edition(edition).language.settings.success);
    }
}

// A device ID the camera sends without its zero byte is taken as its first seven bytes, so that
// writing it back keeps the zero byte before the officer ID.
TEST_F(GroupsTest, UnterminatedDeviceIdIsWrittenBackAsSevenBytesAndItsZeroByte) {
    camera([](k47::CameraState& state) {
        state.faults.unterminated.insert(k47::Function::GetZFYInfo);
    });
    open(editions::kEnglish);
    const QString shown = fixture_.edit("deviceIdEdit")->text();
    EXPECT_EQ(shown.size(), 7);
    fixture_.click("identitySetButton");
    const auto writes = fixture_.sent("WriteZFYInfo");
    ASSERT_EQ(writes.size(), 1u);
    const QByteArray bytes = shown.toLatin1();
    std::vector<uint8_t> expected(bytes.begin(), bytes.end());
    expected.push_back(0);
    EXPECT_EQ(std::vector<uint8_t>(writes[0].begin(), writes[0].begin() + 8), expected);
}

TEST_F(GroupsTest, SerialNumberIsBlankWhenOpeningButRawOnGetAndAtMostFifteenCharacters) {
    camera([](k47::CameraState& state) { state.serialNumber = " 12"; });
    open(editions::kEnglish);
    EXPECT_EQ(fixture_.edit("serialNumberEdit")->text(), "");
    fixture_.click("serialNumberGetButton");
    EXPECT_EQ(fixture_.edit("serialNumberEdit")->text(), " 12");

    fixture_.edit("serialNumberEdit")->setText("ABCDEFGHIJKLMNOP");
    fixture_.click("serialNumberSetButton");
    fixture_.edit("serialNumberEdit")->setText("ABCDEFGHIJKLMNO");
    fixture_.click("serialNumberSetButton");
    EXPECT_EQ(boxes(), QStringList({"Successfully", "Wrong sn number,max 15", "Successfully"}));
    EXPECT_EQ(fixture_.sent("Qumat_SN_Info", "buffer").back(), bytesOf("ABCDEFGHIJKLMNO", 16));
    EXPECT_EQ(fixture_.camera.state().serialNumber, "ABCDEFGHIJKLMNO");
}

TEST_F(GroupsTest, SerialNumberIsNeitherReadNorServedInTheOtherModel) {
    open(editions::kPortuguese);
    fixture_.click("serialNumberGetButton");
    fixture_.click("serialNumberSetButton");
    EXPECT_TRUE(fixture_.calls().empty());
    EXPECT_TRUE(boxes().empty());
}

// The common editions always work on the administrator's password, whoever logged in.
TEST_F(GroupsTest, PasswordsOfTheUserTypeTheEditionPasses) {
    for (const int edition : {editions::kEnglish, editions::kPortuguese}) {
        fixture_.session.userType = 1;
        open(edition);
        fixture_.click("passwordGetButton");
        const bool user = edition == editions::kPortuguese;
        EXPECT_EQ(fixture_.edit("oldPasswordEdit")->text(), user ? "111111" : "000000");

        fixture_.type("newPasswordEdit", "abc");
        fixture_.click("passwordModifyButton");
        fixture_.type("newPasswordEdit", "qwertyuiop");
        EXPECT_EQ(fixture_.edit("newPasswordEdit")->text(), "qwerty");
        fixture_.click("passwordModifyButton");

        const auto& texts = editions::edition(edition).language;
        EXPECT_EQ(boxes(),
                  QStringList({QString::fromStdString(std::string(texts.settings.success)),
                               QString::fromStdString(std::string(texts.login.wrongPasswordLength)),
                               QString::fromStdString(std::string(texts.settings.success))}));
        EXPECT_EQ(fixture_.lines().back(), std::string("Qumat_ChangePsw user_type=") +
                                               (user ? "1" : "0") +
                                               " password=[71 77 65 72 74 79 00] flag=1");
        EXPECT_STREQ(fixture_.session.loginPassword.data(), "000000");
    }
}

TEST_F(GroupsTest, FailedPasswordReadStillShowsTheBuffer) {
    camera(
        [](k47::CameraState& state) { state.faults.failing.insert(k47::Function::Qumat_GetPsw); });
    open(editions::kRussian);
    fixture_.edit("oldPasswordEdit")->setText("old");
    fixture_.click("passwordGetButton");
    EXPECT_EQ(fixture_.edit("oldPasswordEdit")->text(), "");
    EXPECT_EQ(boxes(), QStringList({"неудача"}));
}

struct WifiCase {
    int edition;
    int selection;
    uint8_t station;
};

void PrintTo(const WifiCase& value, std::ostream* out) {
    *out << "edition " << value.edition << " selection " << value.selection;
}

class NetworkSetTest : public testing::TestWithParam<WifiCase> {};

// The APN texts go first; the record carries every field, disabled ones included.
TEST_P(NetworkSetTest, SendsTheApnTextsThenTheRecordWithTheStationFromTheWifiList) {
    const auto& expected = GetParam();
    SettingsFixture fixture;
    fixture.useModelOf(expected.edition);
    fixture.open(expected.edition, 1);
    fixture.mark();
    fixture.list("wifiModeList")->setCurrentIndex(expected.selection);
    fixture.type("ssidEdit", "Unit 7");
    fixture.click("networkSetButton");

    EXPECT_EQ(fixture.calls(),
              std::vector<std::string>({"Qumat_ApnUser", "Qumat_ApnPsw", "Qumat_SetNetConfig"}));
    EXPECT_EQ(fixture.sent("Qumat_ApnUser", "buffer")[0], bytesOf("fieldunit", 33));
    EXPECT_EQ(fixture.sent("Qumat_ApnPsw", "buffer")[0], bytesOf("apn-pass-01", 33));
    std::vector<uint8_t> record(103, 0);
    record[0] = expected.station;
    for (const auto& [offset, text] :
         std::initializer_list<std::pair<std::size_t, std::string_view>>{{1, "Unit 7"},
                                                                         {18, "fo-2024-secure"},
                                                                         {35, "internet"},
                                                                         {68, "1234"},
                                                                         {77, "192.168.10.20"},
                                                                         {94, "7661"}}) {
        std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    EXPECT_EQ(fixture.sent("Qumat_SetNetConfig")[0], record);
    EXPECT_EQ(fixture.boxes.boxes().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Stations, NetworkSetTest,
                         testing::Values(WifiCase{editions::kEnglish, 2, 0},
                                         WifiCase{editions::kRussian, 1, 1},
                                         // No choice keeps the station the camera had.
                                         WifiCase{editions::kFrench, -1, 1},
                                         WifiCase{editions::kPortuguese, 1, 1}));

TEST_F(GroupsTest, NetworkGetSelectsTheWifiEntryOnlyInTheEditionThatDoesSo) {
    for (const int edition : {editions::kRussian, editions::kEnglish}) {
        open(edition);
        fixture_.list("wifiModeList")->setCurrentIndex(2);
        camera([](k47::CameraState& state) {
            state.wifiStation = 0;
            state.ssid = "Other";
        });
        fixture_.click("networkGetButton");
        EXPECT_EQ(fixture_.list("wifiModeList")->currentIndex(),
                  edition == editions::kRussian ? 0 : 2);
        EXPECT_EQ(fixture_.edit("ssidEdit")->text(), "Other");
        EXPECT_EQ(fixture_.calls(), std::vector<std::string>(
                                        {"Qumat_GetNetConfig", "Qumat_ApnUser", "Qumat_ApnPsw"}));
    }
}

// Success needs all three reads; each read that succeeded still fills its fields.
TEST_F(GroupsTest, NetworkGetReportsFailureWhenAnyReadFails) {
    open(editions::kEnglish);
    camera([](k47::CameraState& state) {
        state.ssid = "Other";
        state.apnUser = "newuser";
        state.faults.failing.insert(k47::Function::Qumat_GetNetConfig);
    });
    fixture_.click("networkGetButton");
    EXPECT_EQ(fixture_.edit("ssidEdit")->text(), "FieldOffice");
    EXPECT_EQ(fixture_.edit("apnUserEdit")->text(), "newuser");
    EXPECT_EQ(boxes(), QStringList({"Fail"}));
}

TEST_F(GroupsTest, SetTimeMakesOneCallAndShowsOneBoxEachPress) {
    open(editions::kFrench);
    fixture_.click("setTimeButton");
    camera(
        [](k47::CameraState& state) { state.faults.failing.insert(k47::Function::SyncDevTime); });
    fixture_.click("setTimeButton");
    EXPECT_EQ(fixture_.calls(), std::vector<std::string>({"SyncDevTime", "SyncDevTime"}));
    EXPECT_EQ(fixture_.lines()[0], "SyncDevTime password=\"000000\" flag=1");
    EXPECT_EQ(boxes(), QStringList({"reussie", "Echec"}));
    EXPECT_EQ(caption(), "Attention !");
}

struct HandOverCase {
    const char* button;
    k47::Function function;
    RecordingHandOver::Window next;
};

void PrintTo(const HandOverCase& value, std::ostream* out) {
    *out << value.button;
}

class DeviceHandOverTest : public testing::TestWithParam<HandOverCase> {};

TEST_P(DeviceHandOverTest, EndsTheWindowAndOpensTheNextOnlyOnSuccess) {
    const auto& expected = GetParam();
    for (const int edition : {editions::kSpanish, editions::kPortuguese}) {
        SettingsFixture fixture;
        fixture.useModelOf(edition);
        fixture.changeCamera(
            [&](k47::CameraState& state) { state.faults.failing.insert(expected.function); });
        auto& window = fixture.open(edition);
        window.show();
        fixture.click(expected.button);
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(fixture.handOver.runs().empty());

        fixture.changeCamera([](k47::CameraState& state) { state.faults.failing.clear(); });
        fixture.click(expected.button);
        EXPECT_FALSE(window.isVisible());
        ASSERT_EQ(fixture.handOver.runs().size(), 1u);
        EXPECT_EQ(fixture.handOver.runs()[0].window, expected.next);
        EXPECT_EQ(fixture.handOver.runs()[0].edition, edition);
        const auto& texts = editions::edition(edition).language.settings;
        EXPECT_EQ(fixture.boxes.texts(),
                  QStringList({QString::fromUtf8(texts.failure.data(), texts.failure.size()),
                               QString::fromUtf8(texts.success.data(), texts.success.size())}));
    }
}

INSTANTIATE_TEST_SUITE_P(Actions, DeviceHandOverTest,
                         testing::Values(HandOverCase{"setDefaultButton",
                                                      k47::Function::Qumat_SetDefault,
                                                      RecordingHandOver::Window::Settings},
                                         HandOverCase{"enterUDiskButton", k47::Function::SetMSDC,
                                                      RecordingHandOver::Window::Login}));

// The whole chain with real windows: login, settings, defaults restored, a fresh settings window,
// mass storage, and the login window again, each ending the one before.
class WindowChainTest : public testing::TestWithParam<int> {};

TEST_P(WindowChainTest, LoginSettingsDefaultsSettingsMassStorageLogin) {
    const auto& edition = editions::edition(GetParam());
    testing_support::TemporaryDirectory directory;
    testing_support::EmulatedCameraLibrary camera(directory.path());
    testing_support::ScriptedMessageBoxes boxes;
    window_logic::Session session;
    ui::FontMeasures fontMeasures;
    app::WindowHandOver handOver(camera, boxes, session, directory / "Language.ini", fontMeasures);
    if (edition.model.usesLongMenuRecord()) {
        auto state = k47::factorySettings(k47::Model::stc);
        camera.setState(state);
    }

    std::vector<QString> windows;
    std::function<void()> step;
    const auto press = [](const char* button) {
        QApplication::activeModalWidget()->findChild<QPushButton*>(button)->click();
    };
    std::vector<std::function<void()>> actions{
        [&] {
            press("connectButton");
            QTest::keyClicks(
                QApplication::activeModalWidget()->findChild<QLineEdit*>("passwordEdit"), "000000");
            press("loginButton");
        },
        [&] { press("setDefaultButton"); },
        [&] { press("enterUDiskButton"); },
        [&] { QApplication::activeModalWidget()->close(); },
    };
    std::size_t next = 0;
    step = [&] {
        QTimer::singleShot(0, [&] {
            windows.push_back(QApplication::activeModalWidget()->objectName());
            if (next < actions.size() - 1) {
                step();
            }
            actions[next++]();
        });
    };
    step();
    handOver.runLoginWindow(edition);

    const auto login =
        QString::fromUtf8(edition.loginWindowClass.data(), edition.loginWindowClass.size());
    const auto settings =
        QString::fromUtf8(edition.settingsWindowClass.data(), edition.settingsWindowClass.size());
    EXPECT_EQ(windows, std::vector<QString>({login, settings, settings, login}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Editions, WindowChainTest, testing::Range(0, 5));

}  // namespace
