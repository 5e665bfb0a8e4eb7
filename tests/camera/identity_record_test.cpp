#include "identity_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include "code_page_environment.h"

namespace {

using camera::IdentityRecord;
using camera::OfficerIdWidth;

// A double-byte code page, where a converted text can hold more bytes than characters; ASCII
// converts as in any other.
const testing::Environment* const kCodePage =
    testing::AddGlobalTestEnvironment(new testing_support::CodePageEnvironment("936"));

IdentityRecord recordWith(std::string_view bytes) {
    IdentityRecord record;
    std::ranges::copy(bytes.substr(0, IdentityRecord::kSize), record.bytes().begin());
    return record;
}

std::string content(const IdentityRecord& record) {
    return {record.bytes().begin(), record.bytes().end()};
}

std::string zeros(std::size_t count) {
    return std::string(count, '\0');
}

TEST(IdentityRecordTest, ReadsDeviceIdAndOfficerIdUpToTheirZeroBytes) {
    const auto record = recordWith(std::string("ID12345\0OFF123\0", 15));
    EXPECT_EQ(record.deviceId(), u"ID12345");
    EXPECT_EQ(record.deviceIdLength(), 7u);
    EXPECT_EQ(record.officerId(OfficerIdWidth::sixBytes), u"OFF123");
    EXPECT_EQ(record.officerId(OfficerIdWidth::sevenBytes), u"OFF123");
}

// Seven bytes at most, so that writing it back leaves the zero byte before the officer ID.
TEST(IdentityRecordTest, UnterminatedDeviceIdEndsAtItsSeventhByte) {
    const auto record = recordWith("ABCDEFGH123456");
    EXPECT_EQ(record.deviceId(), u"ABCDEFG");
    EXPECT_EQ(record.deviceIdLength(), 7u);
    EXPECT_EQ(record.officerId(OfficerIdWidth::sixBytes), u"123456");
}

TEST(IdentityRecordTest, DeviceIdLengthCountsBytesEvenWhenTheyDoNotDecode) {
    const auto record = recordWith("AB\xFF");
    // The byte the code page cannot decode is kept, as the lone surrogate of its number.
    EXPECT_EQ(record.deviceId(), u"AB" + std::u16string(1, char16_t{0xDCFF}));
    EXPECT_EQ(record.deviceIdLength(), 3u);
}

TEST(IdentityRecordTest, OfficerIdReadsToItsZeroByteOrAtMostSevenBytes) {
    const auto tenCharacters = recordWith(std::string("DEVICE\0\0ABCDEFGHIJ", 18));
    EXPECT_EQ(tenCharacters.officerId(OfficerIdWidth::sixBytes), u"ABCDEFGHIJ");
    EXPECT_EQ(tenCharacters.officerId(OfficerIdWidth::sevenBytes), u"ABCDEFG");

    const auto shortOne = recordWith(std::string("DEVICE\0\0AB\0CDEFG", 16));
    EXPECT_EQ(shortOne.officerId(OfficerIdWidth::sixBytes), u"AB");
    EXPECT_EQ(shortOne.officerId(OfficerIdWidth::sevenBytes), u"AB");

    // Without any zero byte the officer ID ends with the record.
    const auto full = recordWith(std::string(IdentityRecord::kSize, 'x'));
    EXPECT_EQ(full.officerId(OfficerIdWidth::sixBytes), std::u16string(86, u'x'));
    EXPECT_EQ(full.officerId(OfficerIdWidth::sevenBytes), u"xxxxxxx");
}

TEST(IdentityRecordTest, DeviceIdIsWrittenWithTheRememberedLengthAndNoZeroByteOfItsOwn) {
    struct Case {
        std::u16string text;
        std::size_t length;
        std::string field;
    };
    const Case cases[] = {
        {u"ABCDEFG", 7, std::string("ABCDEFG\0", 8)},
        {u"", 0, zeros(8)},
        {u"ABCDEFGH", 8, std::string("ABCDEFG\0", 8)},
        {u"ABCDEFG", 5, std::string("ABCDE\0\0\0", 8)},
        // Never more than the converted text holds, nor than 7 bytes and the zero byte.
        {u"ABC", 7, std::string("ABC\0\0\0\0\0", 8)},
        {u"ABCDEFGHIJKL", 20, std::string("ABCDEFG\0", 8)},
        // The length counts bytes: two characters of two bytes each, cut after the first.
        {u"中文", 2, std::string("\xD6\xD0\0\0\0\0\0\0", 8)},
    };
    for (const Case& test : cases) {
        auto record = recordWith(std::string(8, '?') + "OFFICER");
        record.writeDeviceId(test.text, test.length);
        EXPECT_EQ(content(record).substr(0, 8), test.field) << test.length;
        EXPECT_EQ(content(record).substr(8, 7), "OFFICER") << test.length;
    }
}

TEST(IdentityRecordTest, OfficerIdIsWrittenAsItsFirstSixOrSevenBytesFollowedByZeros) {
    struct Case {
        std::u16string text;
        OfficerIdWidth width;
        std::string written;
    };
    const Case cases[] = {
        {u"ABC", OfficerIdWidth::sixBytes, "ABC"},
        {u"ABCDEF", OfficerIdWidth::sixBytes, "ABCDEF"},
        {u"ABCDEFGH", OfficerIdWidth::sixBytes, "ABCDEF"},
        {u"ABCDEFGH", OfficerIdWidth::sevenBytes, "ABCDEFG"},
        {u"", OfficerIdWidth::sixBytes, ""},
        {u"中文中文", OfficerIdWidth::sixBytes, "\xD6\xD0\xCE\xC4\xD6\xD0"},
        {u"中文中文", OfficerIdWidth::sevenBytes, "\xD6\xD0\xCE\xC4\xD6\xD0\xCE"},
    };
    for (const Case& test : cases) {
        // As if read from a camera that keeps bytes after the officer ID.
        auto record = recordWith(std::string(IdentityRecord::kSize, 'x'));
        record.writeOfficerId(test.text, test.width);
        const std::string expected = test.written + zeros(86 - test.written.size());
        EXPECT_EQ(content(record).substr(8), expected) << test.written;
        EXPECT_EQ(content(record).substr(0, 8), "xxxxxxxx");
    }
}

}  // namespace
