// Camera texts holding bytes the code page leaves undefined, read into the settings window and
// written back to the emulated camera unchanged.
#include <gtest/gtest.h>

#include <QLabel>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "edition.h"
#include "settings_fixture.h"

namespace {

using testing_support::SettingsFixture;

struct SsidCase {
    const char* codePage;
    std::string ssid;
    QString shown;
};

TEST(CameraTextsTest, SsidWithUndefinedBytesIsWrittenBackByteForByte) {
    const SsidCase cases[] = {
        {"1252", "Caf\x81", QString::fromUtf16(u"Caf\u0081")},
        {"1251", "\xCA\xE0\xF4\xE5\x98", QString::fromUtf16(u"Кафе\u0098")},
        // As wide as the field: sixteen bytes, every one undefined but the last.
        {"1252", "\x81\x8D\x8F\x90\x9D\x81\x8D\x8F\x90\x9D\x81\x8D\x8F\x90\x9D!",
         QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D\u0081\u008D\u008F\u0090\u009D"
                            u"\u0081\u008D\u008F\u0090\u009D!")},
    };
    for (const SsidCase& test : cases) {
        setenv("QUMAT_ANSI_CODE_PAGE", test.codePage, 1);
        SettingsFixture fixture;
        fixture.changeCamera([&test](k47::CameraState& state) { state.ssid = test.ssid; });
        fixture.open(editions::kEnglish);
        EXPECT_EQ(fixture.edit("ssidEdit")->text(), test.shown) << test.codePage;
        fixture.mark();
        fixture.click("networkSetButton");

        const auto records = fixture.sent("Qumat_SetNetConfig");
        ASSERT_EQ(records.size(), 1u) << test.codePage;
        std::vector<uint8_t> ssid(17, 0);
        std::copy(test.ssid.begin(), test.ssid.end(), ssid.begin());
        EXPECT_EQ(std::vector<uint8_t>(records[0].begin() + 1, records[0].begin() + 18), ssid)
            << test.codePage;
    }
    unsetenv("QUMAT_ANSI_CODE_PAGE");
}

// Texts that look like markup are the camera's words, not formatting.
TEST(CameraTextsTest, StatusTextsAreShownAsPlainText) {
    SettingsFixture fixture;
    fixture.changeCamera([](k47::CameraState& state) {
        state.firmware = "FW <b>2.4.18</b>";
        state.card = "<font color=red>Total</font>";
    });
    fixture.open(editions::kEnglish);
    for (const auto& [name, text] : {std::pair{"firmwareValue", "FW <b>2.4.18</b>"},
                                     std::pair{"cardValue", "<font color=red>Total</font>"}}) {
        const auto* label = fixture.find<QLabel>(name);
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name;
    }
}

}  // namespace
