#include "code_page.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
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

// The lone surrogate that keeps a byte the code page cannot decode.
std::u16string kept(std::uint8_t byte) {
    return std::u16string(1, static_cast<char16_t>(0xDC00 + byte));
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

struct EncodeCase {
    std::u16string text;
    CodePage codePage;
    std::string bytes;
};

TEST(CodePageTest, CharacterOutsideTheCodePageIsReplaced) {
    const EncodeCase cases[] = {
        {u"aЖb", CodePage::western, "a?b"},
        {u"æ", CodePage::cyrillic, "?"},
        {u"", CodePage::western, ""},
        // A letter with diacritics by its base letter, when the code page has that.
        {u"café", CodePage::cyrillic, "cafe"},
        {u"āĂőŻ", CodePage::western, "aAoZ"},
        {u"Ǣ", CodePage::western, "\xC6"},
        {u"Ӝ", CodePage::cyrillic, "\xC6"},
        {u"ё", CodePage::western, "?"},
        {u"ἀ", CodePage{1253}, "\xE1"},
        {u"ő", kVietnamese, "o"},
        {u"Ő", kChinese, "O"},
        // Full-width forms by their ASCII characters.
        {u"ＡＢｃ！～", CodePage::western, "ABc!~"},
        // One "?" per code unit: a surrogate pair gives two.
        {u"x\U0001F600y", CodePage::western, "x??y"},
        {std::u16string{u'\xDC00', u'a', u'\xD800', u'b', u'\xD800'}, CodePage::western, "?a?b?"},
        // A control character gives back the byte it stands for only where that byte is undefined.
        {u"\u0080\u009F", CodePage::western, "??"},
        {u"\u0098\u0081", CodePage::cyrillic, "\x98?"},
        {u"\u0081", kChinese, "?"},
    };
    for (const EncodeCase& test : cases) {
        EXPECT_EQ(encodeAnsi(test.text, test.codePage), test.bytes)
            << static_cast<int>(test.codePage) << " " << test.bytes;
    }
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

struct DecodeCase {
    std::string bytes;
    CodePage codePage;
    std::u16string text;
};

TEST(CodePageTest, BytesThatCannotBeDecodedAreReplacedOneByOne) {
    const DecodeCase cases[] = {
        // The bytes that code page 1252 leaves undefined, and the one of 1251.
        {"ab\x81\x8D\x8F\x90\x9D"
         "cd",
         CodePage::western, u"ab\u0081\u008D\u008F\u0090\u009Dcd"},
        {"ok\x98", CodePage::cyrillic, u"ok\u0098"},
        // Undefined above 0x9F, where no control character has the byte's number: the lone
        // surrogate that keeps the byte.
        {"\x81\xAA"
         "a",
         CodePage{1253}, u"\u0081" + kept(0xAA) + u"a"},
        {"\xDB", CodePage{874}, kept(0xDB)},
        // A letter held back for a combining mark comes before what replaces the next byte.
        {"a\x81", kVietnamese, u"a\u0081"},
        // Double-byte code pages: a byte that starts no character, a lead byte whose second byte
        // is missing or lies beyond the zero byte, and one followed by no valid second byte.
        {"\xFFx", kChinese, kept(0xFF) + u"x"},
        {"\x80", CodePage{932}, kept(0x80)},
        {"a\xD6", kChinese, u"a" + kept(0xD6)},
        {std::string("a\xD6\0\xD0", 4), kChinese, u"a" + kept(0xD6)},
        {"\xD6 \xD6\xD0", kChinese, kept(0xD6) + u" 中"},
    };
    for (const DecodeCase& test : cases) {
        EXPECT_EQ(decode(test.bytes, test.codePage), test.text)
            << static_cast<int>(test.codePage) << " " << test.bytes;
    }
}

// Every byte of the single-byte code pages that do not combine characters survives a read and a
// write, whatever the camera holds, also one the code page leaves undefined.
TEST(CodePageTest, SingleByteTextSurvivesDecodingAndEncoding) {
    std::string bytes;
    for (int byte = 1; byte <= 0xFF; ++byte) {
        bytes.push_back(static_cast<char>(byte));
    }
    for (const int number : {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257}) {
        const std::u16string text = decode(bytes, CodePage{number});
        EXPECT_EQ(text.size(), bytes.size()) << number;
        EXPECT_EQ(encodeAnsi(text, CodePage{number}), bytes) << number;
    }
}

// The process code page comes from the environment; here a value that names no code page counts
// as unset, which the programs refuse before they get so far.
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
        // A locale that names no language leaves the choice to the program; alone, 1252.
        {"", "C", "ru_RU.UTF-8", "ru_RU.UTF-8", 1252},
        {"", "", "POSIX", "uk_UA", 1252},
        {"", "", "", "C.UTF-8", 1252},
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

TEST(AnsiCodePageTest, AVariableThatNamesNoCodePageIsRefusedNamingTheOnesItTakes) {
    const auto refusal = [](const char* value) {
        setenv("QUMAT_ANSI_CODE_PAGE", value, 1);
        return platform::codePageVariableRefusal();
    };
    for (const char* value : {"874", "1251", "1258"}) {
        EXPECT_EQ(refusal(value), std::nullopt) << value;
    }
    for (const char* value : {"cp1251", "65001", "abc", "0", "", "1251x", " 1251", "01252"}) {
        EXPECT_EQ(refusal(value), "QUMAT_ANSI_CODE_PAGE='" + std::string(value) +
                                      "' names no ANSI code page: it takes 874, 932, 936, 949, "
                                      "950 or 1250 to 1258; unset it for the system's own");
    }
    // The value cannot drive the terminal it is shown on.
    EXPECT_TRUE(refusal("\x1B[2J\\")->starts_with("QUMAT_ANSI_CODE_PAGE='\\x1B[2J\\x5C' names"));
    unsetenv("QUMAT_ANSI_CODE_PAGE");
    EXPECT_EQ(platform::codePageVariableRefusal(), std::nullopt);
}

TEST(AnsiCodePageTest, ConversionsUseTheProcessCodePage) {
    setenv("QUMAT_ANSI_CODE_PAGE", "1251", 1);
    EXPECT_EQ(encodeAnsi(u"Ж"), "\xC6");
    EXPECT_EQ(decodeAnsi(bytesOf("\xC6")), u"Ж");
    setenv("QUMAT_ANSI_CODE_PAGE", "1252", 1);
    EXPECT_EQ(encodeAnsi(u"Ж"), "?");
    EXPECT_EQ(decodeAnsi(bytesOf("\xC6")), u"Æ");
}

// What the camera would keep as '?' or a base letter is no exact encoding; undefined bytes are.
TEST(AnsiCodePageTest, ExactEncodingRefusesWhatWouldNotReadBack) {
    const struct {
        std::u16string text;
        int codePage;
        std::optional<std::string> bytes;
    } cases[] = {
        {u"Café", 1252, "Caf\xE9"},
        {u"Café", 1251, std::nullopt},
        {u"Жук", 1251, "\xC6\xF3\xEA"},
        {u"ＡB", 1252, std::nullopt},
        {u"\u0081", 1252, "\x81"},
        {u"中a", 936,
         "\xD6\xD0"
         "a"},
        {std::u16string(u"a\0b", 3), 1252, std::nullopt},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(platform::encodeAnsiExactly(test.text, CodePage{test.codePage}), test.bytes)
            << test.codePage << " " << test.text.size();
    }
}

}  // namespace
