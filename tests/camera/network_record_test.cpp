#include "network_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "code_page_environment.h"

namespace {

using camera::NetworkRecord;
using camera::NetworkText;

// A double-byte code page, where a converted text can hold more bytes than characters; ASCII
// converts as in any other.
const testing::Environment* const kCodePage =
    testing::AddGlobalTestEnvironment(new testing_support::CodePageEnvironment("936"));

struct Field {
    NetworkText text;
    std::size_t offset;
    std::size_t width;
};

constexpr std::array<Field, 6> kFields{{
    {NetworkText::ssid, 1, 17},
    {NetworkText::wifi_password, 18, 17},
    {NetworkText::apn, 35, 33},
    {NetworkText::pin_4g, 68, 9},
    {NetworkText::server_ip, 77, 17},
    {NetworkText::server_port, 94, 9},
}};

std::string content(const NetworkRecord& record) {
    return {record.bytes().begin(), record.bytes().end()};
}

TEST(NetworkRecordTest, ReadsEachTextAtItsOffsetUpToItsZeroByte) {
    NetworkRecord record;
    for (const Field& field : kFields) {
        const std::string text = "t" + std::to_string(field.offset);
        std::ranges::copy(text, record.bytes().begin() + field.offset);
    }
    for (const Field& field : kFields) {
        const std::string text = "t" + std::to_string(field.offset);
        EXPECT_EQ(record.text(field.text), std::u16string(text.begin(), text.end()));
    }
}

TEST(NetworkRecordTest, UnterminatedTextEndsWithItsField) {
    NetworkRecord record;
    std::ranges::fill(record.bytes(), std::uint8_t{'x'});
    for (const Field& field : kFields) {
        EXPECT_EQ(record.text(field.text), std::u16string(field.width, u'x')) << field.offset;
    }
}

TEST(NetworkRecordTest, WritesAtMostWidthMinusOneBytesAndKeepsTheLastByteZero) {
    for (const Field& field : kFields) {
        for (const std::size_t length :
             {std::size_t{0}, std::size_t{3}, field.width - 1, field.width, field.width + 10}) {
            NetworkRecord record;
            std::ranges::fill(record.bytes(), std::uint8_t{'x'});
            record.writeText(field.text, std::u16string(length, u'a'));
            const std::size_t written = std::min(length, field.width - 1);
            const std::string expected =
                std::string(field.offset, 'x') + std::string(written, 'a') +
                std::string(field.width - written, '\0') +
                std::string(NetworkRecord::kSize - field.offset - field.width, 'x');
            EXPECT_EQ(content(record), expected) << field.offset << " " << length;
        }
    }
}

TEST(NetworkRecordTest, ConvertedTextLongerThanTheFieldIsCutAfterWidthMinusOneBytes) {
    NetworkRecord record;
    // Nine characters of two bytes each: 18 bytes for a field of 17.
    record.writeText(NetworkText::ssid, u"中中中中中中中中中");
    std::string expected;
    for (int index = 0; index < 8; ++index) {
        expected += "\xD6\xD0";
    }
    EXPECT_EQ(content(record).substr(1, 17), expected + '\0');
    EXPECT_EQ(record.text(NetworkText::ssid), u"中中中中中中中中");
}

TEST(NetworkRecordTest, WifiStationIsOneOnlyForStaOn) {
    struct Case {
        int selectedPosition;
        std::uint8_t wifiStation;
    };
    for (const Case test : {Case{1, 1}, Case{0, 0}, Case{2, 0}, Case{-1, 0}}) {
        NetworkRecord record;
        record.bytes()[0] = 7;
        record.setWifiStationFromWifiSelection(test.selectedPosition);
        EXPECT_EQ(record.bytes()[0], test.wifiStation) << test.selectedPosition;
    }
}

TEST(NetworkRecordTest, WifiStationReadsAsASignedPosition) {
    NetworkRecord record;
    for (const auto& [byte, position] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{0xFF, -1}}) {
        record.bytes()[0] = static_cast<std::uint8_t>(byte);
        EXPECT_EQ(record.wifiStationPosition(), position);
    }
}

}  // namespace
