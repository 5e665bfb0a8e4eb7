#include "code_page.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace {

using platform::ansiCodePage;
using platform::CodePage;
using platform::decodeAnsi;
using platform::encodeAnsi;

constexpr CodePage kChinese{936};
constexpr CodePage kVietnamese{1258};

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

std::u16string decode(const std::string& bytes, CodePage codePage) {
    return decodeAnsi(bytesOf(bytes), codePage);
}

TEST(CodePageTest, RoundTripsWesternAndCyrillicText) {
    const std::u16string western = u"Größe: 5 € café";
    EXPECT_EQ(encodeAnsi(western, CodePage::western),
              "Gr\xF6\xDF"
              "e: 5 \x80 caf\xE9");
    EXPECT_EQ(decode(encodeAnsi(western, CodePage::western), CodePage::western), western);

    const std::u16string cyrillic = u"Привет, ёЖ №1";
    EXPECT_EQ(encodeAnsi(cyrillic, CodePage::cyrillic),
              "\xCF\xF0\xE8\xE2\xE5\xF2, \xB8\xC6 \xB9"
              "1");
    EXPECT_EQ(decode(encodeAnsi(cyrillic, CodePage::cyrillic), CodePage::cyrillic), cyrillic);
}

TEST(CodePageTest, CharacterOutsideTheCodePageBecomesAQuestionMark) {
    EXPECT_EQ(encodeAnsi(u"aЖb", CodePage::western), "a?b");
    EXPECT_EQ(encodeAnsi(u"café", CodePage::cyrillic), "caf?");
    // A character beyond 16 bits is one character: one "?".
    EXPECT_EQ(encodeAnsi(u"x\U0001F600y", CodePage::western), "x?y");
    // Surrogates without their partner, at the start, inside and at the end.
    EXPECT_EQ(
        encodeAnsi(std::u16string{u'\xDC00', u'a', u'\xD800', u'b', u'\xD800'}, CodePage::western),
        "?a?b?");
    EXPECT_EQ(encodeAnsi(u"", CodePage::western), "");
}

TEST(CodePageTest, ConvertedTextCanHoldMoreBytesThanCharacters) {
    EXPECT_EQ(encodeAnsi(u"中a", kChinese),
              "\xD6\xD0"
              "a");
    EXPECT_EQ(decode("\xD6\xD0"
                     "a",
                     kChinese),
              u"中a");
    // The Vietnamese code page writes some letters as a letter and a combining mark, and holds
    // a letter back until it knows whether a mark follows.
    EXPECT_EQ(encodeAnsi(u"\u1EA5", kVietnamese), "\xE2\xEC");
    EXPECT_EQ(decode("a\xCC", kVietnamese), u"\u00E0");
    EXPECT_EQ(decode("a", kVietnamese), u"a");
}

TEST(CodePageTest, DecodingStopsAtTheFirstZeroByte) {
    EXPECT_EQ(decode(std::string("ab\0cd", 5), CodePage::western), u"ab");
    EXPECT_EQ(decode(std::string("\0ab", 3), CodePage::western), u"");
    EXPECT_EQ(decode("", CodePage::western), u"");
}

TEST(CodePageTest, DecodingAnUnterminatedBufferStopsAtItsEnd) {
    // Exactly three bytes on the heap, so that a read past them is caught by the sanitizer.
    const auto buffer = std::make_unique<std::uint8_t[]>(3);
    buffer[0] = 'x';
    buffer[1] = 'y';
    buffer[2] = 'z';
    EXPECT_EQ(decodeAnsi(std::span(buffer.get(), 3), CodePage::western), u"xyz");
    EXPECT_EQ(decodeAnsi(std::span(buffer.get(), 2), CodePage::western), u"xy");
}

TEST(CodePageTest, BytesThatCannotBeDecodedGiveTheEmptyText) {
    // Five bytes that code page 1252 leaves undefined, and one of 1251.
    for (const char* bytes : {"\x81", "\x8D", "\x8F", "\x90", "\x9D"}) {
        EXPECT_EQ(decode(std::string("ab") + bytes + "cd", CodePage::western), u"") << bytes;
    }
    EXPECT_EQ(decode("ok\x98", CodePage::cyrillic), u"");
    // A lead byte whose second byte lies beyond the zero byte.
    EXPECT_EQ(decode(std::string("a\xD6\0\xD0", 4), kChinese), u"");
}

// The process code page comes from the environment; an empty variable counts as unset.
TEST(AnsiCodePageTest, ComesFromTheOverrideOrElseTheLocaleLanguage) {
    struct Case {
        const char* override;
        const char* lcAll;
        const char* lcCtype;
        const char* lang;
        int codePage;
    };
    const Case cases[] = {
        {"", "", "", "", 1252},
        {"", "", "", "ru_RU.UTF-8", 1251},
        {"", "", "", "UK_ua", 1251},
        {"", "", "", "de_DE.UTF-8", 1252},
        {"", "", "", "sr_RS@latin", 1252},
        {"", "be_BY.UTF-8", "en_US.UTF-8", "en_US.UTF-8", 1251},
        {"", "", "mk_MK", "en_US", 1251},
        {"1251", "", "", "en_US.UTF-8", 1251},
        {"1252", "ru_RU.UTF-8", "", "", 1252},
        {"936", "", "", "", 936},
        {"65001", "", "", "ru_RU", 1251},
        {"1251x", "", "", "", 1252},
    };
    for (const Case& test : cases) {
        setenv("QUMAT_ANSI_CODE_PAGE", test.override, 1);
        setenv("LC_ALL", test.lcAll, 1);
        setenv("LC_CTYPE", test.lcCtype, 1);
        setenv("LANG", test.lang, 1);
        EXPECT_EQ(static_cast<int>(ansiCodePage()), test.codePage)
            << test.override << "|" << test.lcAll << "|" << test.lcCtype << "|" << test.lang;
    }
}

TEST(AnsiCodePageTest, ConversionsUseTheProcessCodePage) {
    setenv("QUMAT_ANSI_CODE_PAGE", "1251", 1);
    EXPECT_EQ(encodeAnsi(u"Ж"), "\xC6");
    EXPECT_EQ(decodeAnsi(bytesOf("\xC6")), u"Ж");
    setenv("QUMAT_ANSI_CODE_PAGE", "1252", 1);
    EXPECT_EQ(encodeAnsi(u"Ж"), "?");
    EXPECT_EQ(decodeAnsi(bytesOf("\xC6")), u"Æ");
}

}  // namespace
