// One table of private-profile and code-page cases, built for Linux against our own layer and for
// Windows against the platform's functions. Where the two answer differently, a case says what
// Windows answers, so the difference is on record and checked on every run.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <span>
#include <string>

#include "code_page.h"
#include "file_lock.h"
#include "private_profile.h"
#include "temporary_directory.h"
#include "utf16_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

template <typename Text>
Text onThisSystem(const Text& linux, const std::optional<Text>& windows) {
    return kWindows && windows ? *windows : linux;
}

class PlatformBehaviour : public testing::Test {
  protected:
    PlatformBehaviour()
        : folder_(std::filesystem::temp_directory_path() /
                  ("qumat-platform-" + std::to_string(std::random_device()()))) {
        std::filesystem::create_directories(folder_);
    }
    ~PlatformBehaviour() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path file(const std::string& bytes) const {
        const auto path = folder_ / "settings.ini";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string bytesOf(const std::filesystem::path& path) const {
        std::ifstream stream(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder_;
};

struct ReadCase {
    const char* name;
    std::string bytes;
    const char* section;
    const char* key;
    std::size_t bufferSize;
    std::string linux;
    std::optional<std::string> windows = std::nullopt;
};

TEST_F(PlatformBehaviour, ReadsAKeyAsThePlatformDoes) {
    const ReadCase cases[] = {
        {"plain", "[Configuration]\r\nLanguage=3\r\n", "Configuration", "Language", 16, "3"},
        {"any case", "[CONFIGURATION]\nlanguage=3\n", "Configuration", "Language", 16, "3"},
        {"trimmed", "[C]\n  A  =  two words \t\n", "C", "A", 16, "two words"},
        {"double quotes", "[C]\nA=\" 3 \"\n", "C", "A", 16, " 3 "},
        {"single quotes", "[C]\nA='3'\n", "C", "A", 16, "3"},
        {"one quote", "[C]\nA=\"3\n", "C", "A", 16, "\"3"},
        {"UTF-8 mark", "\xEF\xBB\xBF[C]\r\nA=3\r\n", "C", "A", 16, "3"},
        {"UTF-16 mark", testing_support::utf16File(u"[C]\r\nA=3\r\n"), "C", "A", 16, "3"},
        {"first section counts", "[C]\nA=1\n[C]\nA=2\n", "C", "A", 16, "1"},
        {"key in a later section", "[C]\nB=1\n[C]\nA=2\n", "C", "A", 16, "default"},
        {"lone CR", "[C]\rA=1\rB=2\r", "C", "B", 16, "2"},
        {"no equals sign", "[C]\nA\nB=2\n", "C", "A", 16, "", "default"},
        {"buffer size", "[C]\nA=12345\n", "C", "A", 3, "12"},
        {"missing key", "[C]\nB=1\n", "C", "A", 16, "default"},
        {"missing section", "[D]\nA=1\n", "C", "A", 16, "default"},
        {"key before any section", "A=1\n[C]\n", "C", "A", 16, "default"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            platform::readProfileString(file(c.bytes), c.section, c.key, "default", c.bufferSize),
            onThisSystem(c.linux, c.windows))
            << c.name;
    }
    EXPECT_EQ(platform::readProfileString(folder_ / "missing.ini", "C", "A", "default", 16),
              "default");
}

struct WriteCase {
    const char* name;
    std::optional<std::string> before;
    const char* key;
    std::string linux;
    std::optional<std::string> windows = std::nullopt;
};

TEST_F(PlatformBehaviour, WritesAKeyAsThePlatformDoes) {
    const std::string settings = "; kept\r\n[C]\r\nA=1\r\nB=2\r\n\r\n[D]\r\nA=0\r\n";
    const WriteCase cases[] = {
        // Wine writes the whole file anew, without its blank lines and with CRLF line ends.
        {"replaces the key's line", settings, "A",
         "; kept\r\n[C]\r\nA=5\r\nB=2\r\n\r\n[D]\r\nA=0\r\n",
         "; kept\r\n[C]\r\nA=5\r\nB=2\r\n[D]\r\nA=0\r\n"},
        {"adds a key to its section", settings, "E",
         "; kept\r\n[C]\r\nA=1\r\nB=2\r\nE=5\r\n\r\n[D]\r\nA=0\r\n",
         "; kept\r\n[C]\r\nA=1\r\nB=2\r\nE=5\r\n[D]\r\nA=0\r\n"},
        {"adds the section", "[D]\r\nA=0", "A", "[D]\r\nA=0\r\n[C]\r\nA=5\r\n"},
        {"creates the file", std::nullopt, "A", "[C]\r\nA=5\r\n"},
        {"keeps LF lines", "[C]\nA=1\nB=2\n", "A", "[C]\nA=5\nB=2\n", "[C]\r\nA=5\r\nB=2\r\n"},
    };
    for (const auto& c : cases) {
        const auto path = folder_ / "written.ini";
        std::filesystem::remove(path);
        if (c.before) {
            std::ofstream(path, std::ios::binary) << *c.before;
        }
        ASSERT_TRUE(platform::writeProfileString(path, "C", c.key, "5")) << c.name;
        EXPECT_EQ(bytesOf(path), onThisSystem(c.linux, c.windows)) << c.name;
    }
}

// The lone surrogate that keeps a byte the code page cannot decode.
std::u16string kept(std::uint8_t byte) {
    return std::u16string(1, static_cast<char16_t>(0xDC00 + byte));
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    int codePage;
    std::u16string linux;
    std::optional<std::u16string> windows = std::nullopt;
};

TEST(PlatformCodePages, DecodeAsThePlatformDoes) {
    const DecodeCase cases[] = {
        {"Cyrillic", "\xCF\xF0\xE8\xE2\xE5\xF2", 1251, u"Привет"},
        {"Western", "caf\xE9", 1252, u"café"},
        {"undefined in 1252", "\x81\x8D\x8F\x90\x9D", 1252, u"\u0081\u008D\u008F\u0090\u009D"},
        {"undefined in 1251", "\x98", 1251, u"\u0098"},
        {"stops at a zero byte", std::string("A\0B", 3), 1252, u"A"},
        {"Japanese", "\x93\xFA\x96\x7B", 932, u"日本"},
        // Windows's own table gives 0xFF in code page 936 a private-use character.
        {"lone byte of a double-byte page", "AB\xFF", 936, u"AB" + kept(0xFF), u"AB\uF8F5"},
        // Kept as the lone surrogate of its byte, which goes back to the camera as it came.
        {"lead byte at the end", "ab\x93", 932, u"ab" + kept(0x93)},
        {"lead byte before no second byte", "\x81\x7F", 936, kept(0x81) + u"\u007F"},
    };
    for (const auto& c : cases) {
        const std::span bytes(reinterpret_cast<const std::uint8_t*>(c.bytes.data()),
                              c.bytes.size());
        EXPECT_EQ(platform::decodeAnsi(bytes, platform::CodePage{c.codePage}),
                  onThisSystem(c.linux, c.windows))
            << c.name;
    }
}

struct EncodeCase {
    const char* name;
    std::u16string text;
    int codePage;
    std::string linux;
    std::optional<std::string> windows = std::nullopt;
};

TEST(PlatformCodePages, EncodeAsThePlatformDoes) {
    const EncodeCase cases[] = {
        {"Cyrillic", u"Привет", 1251, "\xCF\xF0\xE8\xE2\xE5\xF2"},
        {"Western", u"café", 1252, "caf\xE9"},
        {"best-fit base letter", u"é", 1251, "e"},
        {"best-fit Latin letter", u"ĀŁő", 1252, "A?o", "ALo"},
        {"full-width form", u"Ａｂ１", 1252, "Ab1"},
        {"letter the code page lacks", u"Я", 1252, "?"},
        {"surrogate pair", u"\U0001F600", 1251, "??"},
        {"undefined byte back", u"\u0081", 1252, "\x81"},
        {"kept byte back", u"ab" + kept(0x93), 932, "ab\x93"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::encodeAnsi(c.text, platform::CodePage{c.codePage}),
                  onThisSystem(c.linux, c.windows))
            << c.name;
    }
}

struct ExactCase {
    const char* name;
    std::u16string text;
    int codePage;
    std::optional<std::string> bytes;
};

// What the camera is sent reads back as typed, or is refused: neither system's "?" nor its best
// fits (Windows's é for e in code page 1251, its Ł for L in 1252) may pass.
TEST(PlatformCodePages, EncodeExactlyOrNotAtAll) {
    const ExactCase cases[] = {
        {"Cyrillic", u"Склад", 1251, "\xD1\xEA\xEB\xE0\xE4"},
        {"Cyrillic without Cyrillic", u"Склад", 1252, std::nullopt},
        {"accent", u"Café", 1252, "Caf\xE9"},
        {"accent with a base letter only", u"Café", 1251, std::nullopt},
        {"Latin letter with a best fit", u"Ł", 1252, std::nullopt},
        {"full-width form", u"Ａ", 1252, std::nullopt},
        {"surrogate pair", u"\U0001F600", 1252, std::nullopt},
        {"zero character", std::u16string(u"A\0B", 3), 1252, std::nullopt},
        {"undefined byte back", u"\u0081", 1252, "\x81"},
        {"kept byte back", u"ab" + kept(0x93), 932, "ab\x93"},
        {"kept byte that would join the next into a character", kept(0x93) + u"@", 932,
         std::nullopt},
        {"kept byte the code page decodes", kept(0xE9), 1252, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::encodeAnsiExactly(c.text, platform::CodePage{c.codePage}), c.bytes)
            << c.name;
    }
}

}  // namespace

// A lock that another holder keeps is given up after the patience allowed, so that a camera
// call fails rather than freezing its window; once freed, it is taken at once.
TEST(PlatformFileLock, GivesUpAfterItsPatienceAndTakesAFreedLock) {
    testing_support::TemporaryDirectory directory;
    const auto file = directory / "camera.ini.lock";
    platform::FileLock holder;
    ASSERT_FALSE(holder.take(file));
    platform::FileLock waiter;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(waiter.take(file, std::chrono::milliseconds(100)),
              "cannot be locked: another process holds it");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_FALSE(waiter.held());
    holder.release();
    EXPECT_EQ(waiter.take(file, std::chrono::milliseconds(100)), std::nullopt);
}

// A holder that names itself leaves its process id, whole, over whatever an earlier holder left,
// for those it keeps out; a lock file that cannot be opened is no holder to wait out.
TEST(PlatformFileLock, ANamedHolderLeavesItsProcessIdForThoseItKeepsOut) {
    using std::chrono::milliseconds;
#ifdef _WIN32
    const unsigned long self = GetCurrentProcessId();
#else
    const unsigned long self = static_cast<unsigned long>(::getpid());
#endif
    testing_support::TemporaryDirectory directory;
    const auto file = directory / "camera.lock";
    // A holder killed long ago, whose id was longer.
    std::ofstream(file, std::ios::binary) << "4294967295";
    platform::FileLock holder;
    ASSERT_FALSE(holder.takeNamed(file, milliseconds(0)));
    EXPECT_EQ(platform::FileLock::holderOf(file), self);

    platform::FileLock other;
    const auto refusal = other.takeNamed(file, milliseconds(50));
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->heldElsewhere);
    EXPECT_EQ(refusal->reason, "cannot be locked: another process holds it");
    EXPECT_EQ(platform::FileLock::holderOf(file), self);
    holder.release();
    EXPECT_FALSE(other.takeNamed(file, milliseconds(0)));

    const auto unopened = holder.takeNamed(directory / "missing" / "camera.lock", milliseconds(0));
    ASSERT_TRUE(unopened);
    EXPECT_FALSE(unopened->heldElsewhere);
    EXPECT_TRUE(unopened->reason.starts_with("cannot be opened: ")) << unopened->reason;
    for (const char* text : {"", "12a", "-5", " 7"}) {
        std::ofstream(directory / "other.lock", std::ios::binary) << text;
        EXPECT_EQ(platform::FileLock::holderOf(directory / "other.lock"), std::nullopt) << text;
    }
}
