// The settings window's changes, logged as the program's windows log them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "change_log.h"
#include "edition.h"
#include "file_contents.h"
#include "settings_fixture.h"

namespace {

using testing_support::fileContents;

using testing_support::SettingsFixture;

TEST(WindowChangesTest, EveryChangeLeavesItsEntryAndItsOutcome) {
    SettingsFixture fixture;
    const auto log = fixture.directory / "changes.log";
    fixture.logChangesTo(log, editions::kEnglish);
    fixture.open(editions::kEnglish);
    EXPECT_FALSE(std::filesystem::exists(log)) << "reading logs nothing";

    fixture.type("deviceIdEdit", "B765432");
    fixture.click("identitySetButton");
    fixture.list("gpsList")->setCurrentIndex(0);
    fixture.click("menuSetButton");
    fixture.type("wifiPasswordEdit", "new-secret");
    fixture.click("networkSetButton");
    fixture.type("newPasswordEdit", "zq9Xk2");
    fixture.click("passwordModifyButton");
    fixture.click("setTimeButton");
    fixture.click("setDefaultButton");
    fixture.click("enterUDiskButton");

    const auto contents = fileContents(log);
    EXPECT_EQ(contents.find("new-secret"), std::string::npos) << "a secret is never logged";
    EXPECT_EQ(contents.find("zq9Xk2"), std::string::npos);
    const auto entries = change_log::changesOf(contents);
    const struct {
        const char* setting;
        const char* oldValue;
        const char* newValue;
    } expected[] = {
        {"device_id", "A123456", "B765432"}, {"gps", "on", "off"},
        {"wifi_password", "", "changed"},    {"administrator_password", "", "changed"},
        {"set_time", "", nullptr},           {"factory_defaults", "", "restored"},
        {"mass_storage", "", "on"},
    };
    ASSERT_EQ(entries.size(), std::size(expected)) << contents;
    for (std::size_t at = 0; at < entries.size(); ++at) {
        const auto& entry = entries[at];
        EXPECT_EQ(entry.setting, expected[at].setting);
        EXPECT_EQ(entry.oldValue, expected[at].oldValue) << entry.setting;
        if (expected[at].newValue != nullptr) {
            EXPECT_EQ(entry.newValue, expected[at].newValue) << entry.setting;
        }
        EXPECT_EQ(entry.outcome, "written") << entry.setting;
        EXPECT_EQ(entry.frontEnd, "window");
        EXPECT_EQ(entry.edition, "English");
        EXPECT_EQ(entry.model, "common");
        // The camera as last read; nothing read since its defaults came back.
        EXPECT_EQ(entry.deviceId, at == 0                           ? "A123456"
                                  : entry.setting == "mass_storage" ? ""
                                                                    : "B765432")
            << entry.setting;
    }
    EXPECT_EQ(change_log::verify(contents).entries, 2 * entries.size())
        << "each written ahead, then its outcome";
}

// The log weighs each record sent against the one last read: a byte the window changes that no
// setting's value shows (the photo size's top bit, the Wi-Fi station that follows the WIFI list)
// has its entry too.
TEST(WindowChangesTest, EveryByteAWriteChangesIsLogged) {
    SettingsFixture fixture;
    fixture.changeCamera([](k47::CameraState& state) { state.menuRecord[11] |= 0x80; });
    const auto log = fixture.directory / "changes.log";
    fixture.logChangesTo(log, editions::kEnglish);
    fixture.open(editions::kEnglish);
    const auto photoSize = fixture.camera.state().menuRecord[11];

    fixture.list("wifiModeList")->setCurrentIndex(0);
    fixture.click("menuSetButton");
    fixture.type("ssidEdit", "Depot");
    fixture.click("networkSetButton");

    const auto hex = [](int byte) {
        static constexpr char kDigits[] = "0123456789abcdef";
        return std::string("0x") + kDigits[byte >> 4] + kDigits[byte & 0x0F];
    };
    std::vector<std::vector<std::string>> logged;
    for (const auto& entry : change_log::changesOf(fileContents(log))) {
        logged.push_back({entry.setting, entry.oldValue, entry.newValue, entry.outcome});
    }
    EXPECT_EQ(logged, (std::vector<std::vector<std::string>>{
                          {"wifi_mode", "sta", "off", "written"},
                          {"menu_record[11]", hex(photoSize), hex(photoSize & 0x7F), "written"},
                          {"ssid", "FieldOffice", "Depot", "written"},
                          {"wifi_station", "0x01", "0x00", "written"}}));
}

TEST(WindowChangesTest, AChangeTheLogCannotTakeIsNotMadeAndTheBoxSaysWhy) {
    SettingsFixture fixture;
    // A folder where the file should be.
    fixture.logChangesTo(fixture.directory.path(), editions::kFrench);
    fixture.open(editions::kFrench);
    const auto before = fixture.camera.state();

    fixture.type("deviceIdEdit", "B765432");
    fixture.click("identitySetButton");
    fixture.list("aesEncryptionList")->setCurrentIndex(1);
    fixture.click("menuSetButton");

    EXPECT_EQ(fixture.camera.state(), before);
    for (const auto& call : fixture.calls()) {
        EXPECT_NE(call, "WriteZFYInfo");
        EXPECT_NE(call, "Qumat_SetMenuConfig");
        EXPECT_NE(call, "Qumat_FormatTFCard");
    }
    const QStringList boxes = fixture.boxes.texts();
    ASSERT_EQ(boxes.size(), 2);
    for (const QString& box : boxes) {
        EXPECT_TRUE(box.startsWith(
            QString::fromUtf8(editions::edition(editions::kFrench).language.settings.failure)))
            << box.toStdString();
        EXPECT_TRUE(box.contains(QString::fromStdString(
            "\n\nthe change log " + fixture.directory.path().string() + " cannot be written")))
            << box.toStdString();
    }
}

}  // namespace
