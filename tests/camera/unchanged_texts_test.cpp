#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "code_page_environment.h"
#include "identity_settings.h"
#include "mock_camera_library.h"
#include "network_settings.h"

namespace {

using testing::_;

// A double-byte code page, where a text cut in the middle of a character at its field's end does
// not convert back to the bytes it came in.
const testing::Environment* const kCodePage =
    testing::AddGlobalTestEnvironment(new testing_support::CodePageEnvironment("932"));

constexpr uint8_t kLeadByte = 0x82;

// Writing one setting sends every other text of its record back as the bytes the camera gave.
TEST(UnchangedTextsTest, NetworkWriteKeepsTheBytesOfTheTextsItDoesNotChange) {
    testing::StrictMock<testing_support::MockCameraLibrary> camera;
    camera::NetworkRecord given;
    // The SSID's last character cut after its lead byte; the APN password one too.
    std::memcpy(given.data() + 1, "FieldOffice", 11);
    given.data()[12] = kLeadByte;
    std::memcpy(given.data() + 94, "7661", 4);
    EXPECT_CALL(camera, Qumat_GetNetConfig(_, _)).WillOnce([&](uint8_t* record, int32_t* flag) {
        std::memcpy(record, given.data(), camera::NetworkRecord::kSize);
        *flag = 1;
    });
    const char apnPassword[] = {'p', 'w', static_cast<char>(kLeadByte), 0};
    EXPECT_CALL(camera, Qumat_ApnPsw(0, _, _)).WillOnce([&](int32_t, char* text, int32_t* flag) {
        std::memcpy(text, apnPassword, sizeof(apnPassword));
        *flag = 1;
    });
    camera::NetworkSettings settings(camera);
    const auto record = settings.readRecord();
    const auto password = settings.readApnPassword();
    ASSERT_TRUE(record && password);

    camera::NetworkValues values;
    for (std::size_t field = 0; field < values.record.size(); ++field) {
        values.record[field] = record->text(static_cast<camera::NetworkText>(field));
    }
    values.record[static_cast<std::size_t>(camera::NetworkText::server_port)].assign(1, u'1');
    values.apnPassword = password->text();
    std::array<char, 33> passwordSent{};
    EXPECT_CALL(camera, Qumat_ApnUser(1, _, _));
    EXPECT_CALL(camera, Qumat_ApnPsw(1, _, _)).WillOnce([&](int32_t, char* text, int32_t*) {
        std::copy_n(text, passwordSent.size(), passwordSent.begin());
    });
    camera::NetworkRecord sent;
    EXPECT_CALL(camera, Qumat_SetNetConfig(_, _))
        .WillOnce([&](const uint8_t* bytes, int32_t* flag) {
            std::memcpy(sent.data(), bytes, camera::NetworkRecord::kSize);
            *flag = 1;
        });
    settings.write(values, 0);

    EXPECT_TRUE(std::equal(given.data() + 1, given.data() + 18, sent.data() + 1));
    EXPECT_EQ(sent.data()[94], '1');
    EXPECT_EQ(sent.data()[95], 0);
    EXPECT_TRUE(std::equal(std::begin(apnPassword), std::end(apnPassword), passwordSent.begin()));
}

TEST(UnchangedTextsTest, IdentityWriteKeepsTheBytesOfTheIdItDoesNotChange) {
    testing::StrictMock<testing_support::MockCameraLibrary> camera;
    camera::IdentityRecord given;
    std::memcpy(given.data(), "A123456", 7);
    const uint8_t officer[] = {'1', '2', '3', '4', '5', kLeadByte};
    std::memcpy(given.data() + 8, officer, sizeof(officer));
    EXPECT_CALL(camera, GetZFYInfo(_, _, _))
        .WillOnce([&](uint8_t* record, const char*, int32_t* flag) {
            std::memcpy(record, given.data(), camera::IdentityRecord::kSize);
            *flag = 1;
        });
    camera::Session session;
    camera::LastRead lastRead;
    camera::IdentitySettings settings(camera, session, lastRead, camera::OfficerIdWidth::sixBytes);
    const auto reading = settings.read(false);
    ASSERT_TRUE(reading.identity);

    camera::IdentityRecord sent;
    EXPECT_CALL(camera, WriteZFYInfo(_, _, _))
        .WillOnce([&](const uint8_t* bytes, const char*, int32_t* flag) {
            std::memcpy(sent.data(), bytes, camera::IdentityRecord::kSize);
            *flag = 1;
        });
    settings.write(u"B654321", reading.identity->officerId);

    EXPECT_EQ(std::memcmp(sent.data(), "B654321", 7), 0);
    EXPECT_TRUE(std::equal(std::begin(officer), std::end(officer), sent.data() + 8));
}

}  // namespace
