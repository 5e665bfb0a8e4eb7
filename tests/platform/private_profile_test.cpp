#include "private_profile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "killed_writer.h"
#include "temporary_directory.h"
#include "utf16_file.h"

namespace {

using platform::readProfileString;
using platform::writeProfileString;
using testing_support::utf16File;

std::string contentOf(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// Root reads and writes whatever the modes say; cases about modes cannot run as root.
bool modesApply() {
    return ::geteuid() != 0;
}

class PrivateProfileTest : public testing::Test {
  protected:
    std::filesystem::path file() const { return directory_ / "settings.ini"; }
    const std::filesystem::path& directory() const { return directory_.path(); }

    void writeFile(const std::string& content) const {
        std::ofstream(file(), std::ios::binary) << content;
    }

    std::string fileContent() const { return contentOf(file()); }

    std::string read(const char* section, const char* key, std::size_t bufferSize = 64) const {
        return readProfileString(file(), section, key, "default", bufferSize);
    }

    std::vector<std::string> namesInDirectory() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(directory())) {
            names.push_back(entry.path().filename().string());
        }
        std::ranges::sort(names);
        return names;
    }

  private:
    testing_support::TemporaryDirectory directory_;
};

TEST_F(PrivateProfileTest, ReadsSectionAndKeyIgnoringCaseAndTrimsTheValue) {
    writeFile("[Other]\r\nLanguage=9\r\n[configuration]\r\n  LANGUAGE =  2 \r\n");
    EXPECT_EQ(read("Configuration", "Language"), "2");
    EXPECT_EQ(read("other", "language"), "9");
}

TEST_F(PrivateProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(read("Configuration", "Language"), "default");
    writeFile("[Configuration]\nOther=1\n[Language]\nx=1\n");
    EXPECT_EQ(read("Configuration", "Language"), "default");
    EXPECT_EQ(read("Missing", "Other"), "default");
}

TEST_F(PrivateProfileTest, ValueEndsAtItsLineAndIsBoundedByTheBuffer) {
    writeFile("[Configuration]\nLanguage=1\n{legend}\nLong=123456789012345\n");
    EXPECT_EQ(read("Configuration", "Language"), "1");
    EXPECT_EQ(read("Configuration", "Long", 10), "123456789");
    EXPECT_EQ(read("Configuration", "Long", 1), "");
    EXPECT_EQ(readProfileString(file(), "Configuration", "Missing", "abcdef", 4), "abc");
}

TEST_F(PrivateProfileTest, KeyWithNothingAfterTheEqualsSignIsEmptyNotDefault) {
    writeFile("[Configuration]\r\nLanguage=\r\n");
    EXPECT_EQ(read("Configuration", "Language"), "");
}

// Files as a user may leave them after editing by hand.
struct ReadCase {
    const char* name;
    std::string content;
    std::string value;  // of Configuration/Language
};

void PrintTo(const ReadCase& readCase, std::ostream* stream) {
    *stream << readCase.name;
}

class PrivateProfileReadTest : public PrivateProfileTest,
                               public testing::WithParamInterface<ReadCase> {};

TEST_P(PrivateProfileReadTest, ReadsTheValueOfTheFirstKeyLineOfTheFirstSection) {
    writeFile(GetParam().content);
    EXPECT_EQ(read("Configuration", "Language"), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    HandEditedFiles, PrivateProfileReadTest,
    testing::Values(
        ReadCase{"double quotes", "[Configuration]\r\nLanguage=\"2\"\r\n", "2"},
        ReadCase{"single quotes keep the blanks inside", "[Configuration]\nLanguage= ' 2 ' \n",
                 " 2 "},
        ReadCase{"empty quotes", "[Configuration]\nLanguage=\"\"\n", ""},
        ReadCase{"quotes that do not match", "[Configuration]\nLanguage=\"2'\n", "\"2'"},
        ReadCase{"a lone quote", "[Configuration]\nLanguage=\"\n", "\""},
        ReadCase{"UTF-8 byte-order mark", "\xEF\xBB\xBF[Configuration]\nLanguage=3\n", "3"},
        ReadCase{"UTF-16 with its mark",
                 utf16File(u"[Configuration]\r\nLanguage=\u00e9\U0001F600\r\n"),
                 "\xC3\xA9\xF0\x9F\x98\x80"},
        ReadCase{"UTF-16 with an unpaired surrogate",
                 utf16File(u"[Configuration]\r\nLanguage=a") + std::string("\x00\xD8", 2) +
                     utf16File(u"b").substr(2),
                 "a\xEF\xBF\xBD"
                 "b"},
        ReadCase{"only the first section of a name counts",
                 "[Configuration]\r\nOther=1\r\n[configuration]\r\nLanguage=2\r\n", "default"},
        ReadCase{"a key line without an equals sign is empty and hides a later one",
                 "[Configuration]\r\n Language \r\nLanguage=2\r\n", ""},
        ReadCase{"a line without an equals sign is no other key",
                 "[Configuration]\r\nLanguage2\r\nLanguage=2\r\n", "2"},
        ReadCase{"lone carriage returns end lines", "[Configuration]\rOther=1\rLanguage=4\r", "4"},
        ReadCase{"mixed line ends", "[Configuration]\nA=1\r\rLanguage=4\r\nB=2", "4"}));

struct WriteCase {
    const char* name;
    std::string before;
    std::string value;
    std::string after;
};

void PrintTo(const WriteCase& writeCase, std::ostream* stream) {
    *stream << writeCase.name;
}

class PrivateProfileWriteTest : public PrivateProfileTest,
                                public testing::WithParamInterface<WriteCase> {};

TEST_P(PrivateProfileWriteTest, ChangesOnlyTheKeysLineInTheFilesOwnEncoding) {
    writeFile(GetParam().before);
    ASSERT_TRUE(writeProfileString(file(), "Configuration", "Language", GetParam().value));
    EXPECT_EQ(fileContent(), GetParam().after);
    EXPECT_EQ(read("Configuration", "Language"), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    HandEditedFiles, PrivateProfileWriteTest,
    testing::Values(
        WriteCase{"quoted value", "[Configuration]\r\nLanguage=\"2\"\r\n", "3",
                  "[Configuration]\r\nLanguage=3\r\n"},
        WriteCase{"first of two sections of the name",
                  "[Configuration]\r\nA=1\r\n\r\n[Configuration]\r\nLanguage=2\r\n", "3",
                  "[Configuration]\r\nA=1\r\nLanguage=3\r\n\r\n[Configuration]\r\nLanguage=2\r\n"},
        WriteCase{"key line without an equals sign, keeping its line feed",
                  "[Configuration]\nLanguage\nLanguage=2\n", "3",
                  "[Configuration]\nLanguage=3\nLanguage=2\n"},
        WriteCase{"UTF-8 mark", "\xEF\xBB\xBF[Configuration]\r\nLanguage=1\r\n", "3",
                  "\xEF\xBB\xBF[Configuration]\r\nLanguage=3\r\n"},
        WriteCase{"nothing but a UTF-8 mark", "\xEF\xBB\xBF", "3",
                  "\xEF\xBB\xBF[Configuration]\r\nLanguage=3\r\n"},
        WriteCase{"UTF-16 key replaced",
                  utf16File(u"; \u00e9t\u00e9\r\n[Configuration]\nLanguage=1\n"), "\xC3\xA9",
                  utf16File(u"; \u00e9t\u00e9\r\n[Configuration]\nLanguage=\u00e9\n")},
        WriteCase{"UTF-16 key added after a last line without line end",
                  utf16File(u"[Configuration]\r\nOther=\U0001F600"), "\xF0\x9F\x98\x80",
                  utf16File(u"[Configuration]\r\nOther=\U0001F600\r\nLanguage=\U0001F600\r\n")},
        WriteCase{"lone carriage returns", "[Other]\rx=1\r[Configuration]\rLanguage=1\r", "3",
                  "[Other]\rx=1\r[Configuration]\rLanguage=3\r"},
        WriteCase{"key added after a lone carriage return", "[Configuration]\rx=1\r", "3",
                  "[Configuration]\rx=1\rLanguage=3\r\n"}));

TEST_F(PrivateProfileTest, WriteCreatesAMissingFileWithCrlfLines) {
    ASSERT_TRUE(writeProfileString(file(), "Configuration", "Language", "1"));
    EXPECT_EQ(fileContent(), "[Configuration]\r\nLanguage=1\r\n");
}

TEST_F(PrivateProfileTest, WriteReplacesTheKeyInPlaceAndKeepsEveryOtherLine) {
    writeFile("; note\r\n[configuration]\r\nlanguage=1\r\n{legend}\r\n[Other]\nKey=v\n");
    ASSERT_TRUE(writeProfileString(file(), "Configuration", "Language", "3"));
    EXPECT_EQ(fileContent(),
              "; note\r\n[configuration]\r\nLanguage=3\r\n{legend}\r\n[Other]\nKey=v\n");
    EXPECT_EQ(read("Configuration", "Language"), "3");
}

TEST_F(PrivateProfileTest, WriteAddsAMissingKeyToItsSectionAndAMissingSectionAtTheEnd) {
    writeFile("[Configuration]\r\nOther=1\r\n\r\n[Next]\r\nKey=v");
    ASSERT_TRUE(writeProfileString(file(), "Configuration", "Language", "2"));
    ASSERT_TRUE(writeProfileString(file(), "Added", "Key", "x"));
    EXPECT_EQ(fileContent(),
              "[Configuration]\r\nOther=1\r\nLanguage=2\r\n\r\n[Next]\r\nKey=v\r\n"
              "[Added]\r\nKey=x\r\n");
}

TEST_F(PrivateProfileTest, WriteFailureIsReported) {
    const auto directoryAsFile = file().parent_path() / "missing" / "settings.ini";
    EXPECT_FALSE(writeProfileString(directoryAsFile, "Configuration", "Language", "1"));
}

// Files that are no settings file: they read as a missing key, and a write leaves them alone.
struct UnusableCase {
    const char* name;
    std::string content;
    enum Kind { file, directory, unreadableFile } kind = file;
};

void PrintTo(const UnusableCase& unusableCase, std::ostream* stream) {
    *stream << unusableCase.name;
}

class PrivateProfileUnusableFileTest : public PrivateProfileTest,
                                       public testing::WithParamInterface<UnusableCase> {};

TEST_P(PrivateProfileUnusableFileTest, ReadsAsMissingAndIsNeverWritten) {
    const auto& unusable = GetParam();
    if (unusable.kind == UnusableCase::directory) {
        std::filesystem::create_directory(file());
    } else {
        writeFile(unusable.content);
    }
    if (unusable.kind == UnusableCase::unreadableFile) {
        if (!modesApply()) {
            GTEST_SKIP() << "root reads every file";
        }
        std::filesystem::permissions(file(), std::filesystem::perms::owner_write);
    }

    EXPECT_EQ(read("Configuration", "Language"), "default");
    EXPECT_FALSE(writeProfileString(file(), "Configuration", "Language", "1"));

    EXPECT_EQ(namesInDirectory(), std::vector<std::string>{"settings.ini"});
    if (unusable.kind == UnusableCase::directory) {
        EXPECT_TRUE(std::filesystem::is_directory(file()));
    } else {
        std::filesystem::permissions(file(), std::filesystem::perms::owner_read,
                                     std::filesystem::perm_options::add);
        EXPECT_EQ(fileContent(), unusable.content);
    }
}

INSTANTIATE_TEST_SUITE_P(
    NotSettingsFiles, PrivateProfileUnusableFileTest,
    testing::Values(
        UnusableCase{"binary", std::string("[Configuration]\nLanguage=2\n\0\x01\xff", 30)},
        UnusableCase{"larger than a mebibyte",
                     "[Configuration]\nLanguage=2\n" + std::string(1024 * 1024, 'x')},
        UnusableCase{"UTF-16 with an odd byte count",
                     utf16File(u"[Configuration]\nLanguage=2") + "\n"},
        UnusableCase{"UTF-16 with a zero unit",
                     utf16File(std::u16string(u"[Configuration]\nLanguage=2\0", 27))},
        UnusableCase{"directory", "", UnusableCase::directory},
        UnusableCase{"unreadable", "[Configuration]\nLanguage=2\n", UnusableCase::unreadableFile}));

TEST_F(PrivateProfileTest, WriteReplacesTheFileKeepingItsModeAndWritesThroughALink) {
    writeFile("[Configuration]\nLanguage=1\n; kept\n");
    std::filesystem::permissions(file(), std::filesystem::perms(0640));
    std::filesystem::create_hard_link(file(), directory() / "old.ini");
    std::filesystem::create_symlink("settings.ini", directory() / "link.ini");

    ASSERT_TRUE(writeProfileString(directory() / "link.ini", "Configuration", "Language", "2"));

    EXPECT_EQ(fileContent(), "[Configuration]\nLanguage=2\n; kept\n");
    EXPECT_EQ(std::filesystem::status(file()).permissions(), std::filesystem::perms(0640));
    EXPECT_TRUE(std::filesystem::is_symlink(directory() / "link.ini"));
    // A rewrite in place would show through the old link; a replaced file leaves it alone.
    EXPECT_EQ(contentOf(directory() / "old.ini"), "[Configuration]\nLanguage=1\n; kept\n");
    EXPECT_EQ(namesInDirectory(),
              (std::vector<std::string>{"link.ini", "old.ini", "settings.ini"}));
}

TEST_F(PrivateProfileTest, FolderThatTakesNoNewFileHasTheFileRewrittenInPlace) {
    if (!modesApply()) {
        GTEST_SKIP() << "root writes in every folder";
    }
    writeFile("[Configuration]\nLanguage=1234\n; kept\n");
    std::filesystem::permissions(directory(), std::filesystem::perms(0500));
    const bool written = writeProfileString(file(), "Configuration", "Language", "2");
    const bool missingWritten = writeProfileString(directory() / "new.ini", "A", "B", "C");
    std::filesystem::permissions(directory(), std::filesystem::perms(0700));

    EXPECT_TRUE(written);
    EXPECT_FALSE(missingWritten);
    EXPECT_EQ(fileContent(), "[Configuration]\nLanguage=2\n; kept\n");
}

TEST_F(PrivateProfileTest, ReadOnlyFileIsNotReplaced) {
    if (!modesApply()) {
        GTEST_SKIP() << "root writes every file";
    }
    writeFile("[Configuration]\nLanguage=1\n");
    std::filesystem::permissions(file(), std::filesystem::perms(0444));
    EXPECT_FALSE(writeProfileString(file(), "Configuration", "Language", "2"));
    EXPECT_EQ(fileContent(), "[Configuration]\nLanguage=1\n");
}

TEST_F(PrivateProfileTest, WriterKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
    std::string otherLines;
    for (int line = 0; line < 200; ++line) {
        otherLines += "; a line the user keeps, number " + std::to_string(line) + "\r\n";
    }
    const std::string shortValue = "1";
    const std::string longValue(300, '4');
    const auto version = [&](const std::string& value) {
        return "[Configuration]\r\nLanguage=" + value + "\r\n" + otherLines;
    };
    writeFile(version(shortValue));

    std::mt19937 random(std::random_device{}());
    for (int kill = 0; kill < 20; ++kill) {
        ASSERT_TRUE(testing_support::killWhileWriting(
            [&] {
                writeProfileString(file(), "Configuration", "Language", longValue);
                writeProfileString(file(), "Configuration", "Language", shortValue);
            },
            std::chrono::milliseconds(30), random));
        const auto content = fileContent();
        ASSERT_TRUE(content == version(shortValue) || content == version(longValue))
            << "after kill " << kill << ": " << content.size() << " bytes";
    }
}

}  // namespace
