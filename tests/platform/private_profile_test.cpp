#include "private_profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "temporary_directory.h"

namespace {

using platform::readProfileString;
using platform::writeProfileString;

class PrivateProfileTest : public testing::Test {
  protected:
    std::filesystem::path file() const { return directory_ / "settings.ini"; }

    void writeFile(const std::string& content) const {
        std::ofstream(file(), std::ios::binary) << content;
    }

    std::string fileContent() const {
        std::ifstream stream(file(), std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }

    std::string read(const char* section, const char* key, std::size_t bufferSize = 64) const {
        return readProfileString(file(), section, key, "default", bufferSize);
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

TEST_F(PrivateProfileTest, BinaryOrHugeFileReadsAsMissingKey) {
    writeFile(std::string("[Configuration]\nLanguage=2\n\0\x01\xff", 30));
    EXPECT_EQ(read("Configuration", "Language"), "default");

    writeFile("[Configuration]\nLanguage=2\n" + std::string(2 * 1024 * 1024, 'x'));
    EXPECT_EQ(read("Configuration", "Language"), "default");
}

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

TEST_F(PrivateProfileTest, WriteAfterALastLineWithoutLineFeedStartsANewLine) {
    writeFile("[Other]\r\nx=1\r");
    ASSERT_TRUE(writeProfileString(file(), "Configuration", "Language", "2"));
    EXPECT_EQ(read("Configuration", "Language"), "2");
    EXPECT_EQ(read("Other", "x"), "1");
}

TEST_F(PrivateProfileTest, WriteFailureIsReported) {
    const auto directoryAsFile = file().parent_path() / "missing" / "settings.ini";
    EXPECT_FALSE(writeProfileString(directoryAsFile, "Configuration", "Language", "1"));
}

TEST_F(PrivateProfileTest, WriteNeverClobbersAFileItCannotRead) {
    const std::string binary("\0\x01\x02 not a settings file", 24);
    writeFile(binary);
    EXPECT_FALSE(writeProfileString(file(), "Configuration", "Language", "1"));
    EXPECT_EQ(fileContent(), binary);
}

}  // namespace
