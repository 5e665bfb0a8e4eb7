#include "text_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "code_page_environment.h"

namespace {

using camera::ApnText;
using camera::PasswordBuffer;
using camera::SerialNumberBuffer;
using camera::StatusText;

// A double-byte code page, where a converted text can hold more bytes than characters; ASCII
// converts as in any other.
const testing::Environment* const kCodePage =
    testing::AddGlobalTestEnvironment(new testing_support::CodePageEnvironment("936"));

template <typename Buffer>
std::string content(const Buffer& buffer) {
    return {buffer.bytes().begin(), buffer.bytes().end()};
}

template <typename Buffer>
Buffer filledWith(char byte) {
    Buffer buffer;
    std::ranges::fill(buffer.bytes(), static_cast<std::uint8_t>(byte));
    return buffer;
}

TEST(TextBufferTest, ReadsUpToTheZeroByteOrTheBuffersEnd) {
    EXPECT_EQ(filledWith<StatusText>('7').text(), std::u16string(64, u'7'));
    EXPECT_EQ(filledWith<ApnText>('a').text(), std::u16string(33, u'a'));

    StatusText capacity;
    std::ranges::copy(std::string("58.65 GB\0junk", 13), capacity.bytes().begin());
    EXPECT_EQ(capacity.text(), u"58.65 GB");
    EXPECT_EQ(std::string(capacity.data()), "58.65 GB");
}

TEST(TextBufferTest, ApnTextAndSerialNumberTakeOneBytePerCharacter) {
    ApnText apn;
    apn.write(u"internet");
    EXPECT_EQ(content(apn), "internet" + std::string(25, '\0'));

    // Two characters of two bytes each give two bytes: the first character only.
    apn.write(u"中文");
    EXPECT_EQ(content(apn), "\xD6\xD0" + std::string(31, '\0'));

    SerialNumberBuffer serialNumber;
    serialNumber.write(u"123456789012345");
    EXPECT_EQ(content(serialNumber), std::string("123456789012345") + '\0');
}

TEST(TextBufferTest, PasswordTakesTheFirstSixConvertedBytes) {
    PasswordBuffer password;
    password.write(u"abcdef");
    EXPECT_EQ(content(password), std::string("abcdef") + '\0');

    password.write(u"中文中");
    EXPECT_EQ(content(password), std::string("\xD6\xD0\xCE\xC4\xD6\xD0") + '\0');

    password.write(u"ab");
    EXPECT_EQ(content(password), std::string("ab\0\0\0\0\0", 7));
}

TEST(TextBufferTest, WriteNeverFillsTheLastByte) {
    auto apn = filledWith<ApnText>('x');
    apn.write(std::u16string(40, u'a'));
    EXPECT_EQ(content(apn), std::string(32, 'a') + '\0');

    auto serialNumber = filledWith<SerialNumberBuffer>('x');
    serialNumber.write(u"1234567890123456");
    EXPECT_EQ(content(serialNumber), std::string("123456789012345") + '\0');

    auto password = filledWith<PasswordBuffer>('x');
    password.write(u"abcdefgh");
    EXPECT_EQ(content(password), std::string("abcdef") + '\0');
}

TEST(TextBufferTest, SerialNumberStartingBlankShowsEmptyWhenTheWindowOpens) {
    for (const char first : {'\0', ' ', '\xFF'}) {
        auto serialNumber = filledWith<SerialNumberBuffer>('9');
        serialNumber.bytes()[0] = static_cast<std::uint8_t>(first);
        serialNumber.bytes()[15] = 0;
        EXPECT_EQ(camera::serialNumberTextAtSetUp(serialNumber), u"") << int(first);
    }
    SerialNumberBuffer serialNumber;
    std::ranges::copy(std::string(" SN1"), serialNumber.bytes().begin());
    EXPECT_EQ(serialNumber.text(), u" SN1");
    serialNumber.bytes()[0] = 'X';
    EXPECT_EQ(camera::serialNumberTextAtSetUp(serialNumber), u"XSN1");
}

}  // namespace
