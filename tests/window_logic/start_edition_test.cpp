#include "start_edition.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "edition.h"
#include "temporary_directory.h"
#include "utf16_file.h"

namespace {

using testing_support::utf16File;

const std::string kFreshFile =
    "[Configuration]\r\nLanguage=1\r\n{0-English;1-Russian;2-French;3-Spanish;4-Portuguese;}\r\n";

class StartEditionTest : public testing::Test {
  protected:
    std::filesystem::path languageFile() const { return directory_ / "Language.ini"; }

    void writeFile(const std::string& content) const {
        std::ofstream(languageFile(), std::ios::binary) << content;
    }

    std::string fileContent() const {
        std::ifstream stream(languageFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }

  private:
    testing_support::TemporaryDirectory directory_;
};

TEST_F(StartEditionTest, MissingFileIsCreatedWithTheDefaultAndChoosesRussian) {
    EXPECT_EQ(window_logic::chooseStartEdition(languageFile()), editions::kRussian);
    EXPECT_EQ(fileContent(), kFreshFile);
    // The legend line is not part of the value on the next start.
    EXPECT_EQ(window_logic::chooseStartEdition(languageFile()), editions::kRussian);
    EXPECT_EQ(fileContent(), kFreshFile);
}

TEST_F(StartEditionTest, EmptyValueBehavesLikeAMissingFile) {
    writeFile("[Configuration]\r\nLanguage=\r\n");
    EXPECT_EQ(window_logic::chooseStartEdition(languageFile()), editions::kRussian);
    EXPECT_EQ(fileContent(), kFreshFile);
}

TEST_F(StartEditionTest, MissingKeyIsAddedToTheExistingSection) {
    writeFile("[Configuration]\r\nOther=5\r\n");
    EXPECT_EQ(window_logic::chooseStartEdition(languageFile()), editions::kRussian);
    EXPECT_EQ(fileContent(),
              "[Configuration]\r\nOther=5\r\nLanguage=1\r\n"
              "{0-English;1-Russian;2-French;3-Spanish;4-Portuguese;}\r\n");
}

struct ValueCase {
    const char* value;
    int edition;
};

void PrintTo(const ValueCase& valueCase, std::ostream* stream) {
    *stream << "Language=" << valueCase.value;
}

class StartEditionValueTest : public StartEditionTest,
                              public testing::WithParamInterface<ValueCase> {};

TEST_P(StartEditionValueTest, ValueReadAsTheCLibraryReadsALongChoosesTheEditionUnchanged) {
    const std::string content = std::string("[Configuration]\r\nLanguage=") + GetParam().value +
                                "\r\n{0-English;1-Russian;2-French;3-Spanish;4-Portuguese;}\r\n";
    writeFile(content);
    EXPECT_EQ(window_logic::chooseStartEdition(languageFile()), GetParam().edition);
    EXPECT_EQ(fileContent(), content);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StartEditionValueTest,
    testing::Values(ValueCase{"0", editions::kEnglish}, ValueCase{"1", editions::kRussian},
                    ValueCase{"2", editions::kFrench}, ValueCase{"3", editions::kSpanish},
                    ValueCase{"4", editions::kPortuguese}, ValueCase{"7", editions::kEnglish},
                    ValueCase{"-1", editions::kEnglish}, ValueCase{"abc", editions::kEnglish},
                    ValueCase{"12", editions::kEnglish}, ValueCase{"3xyz", editions::kSpanish},
                    ValueCase{"+2", editions::kFrench}, ValueCase{"\t4 ", editions::kPortuguese},
                    // Only nine characters are read: "0000000003" reads as 0.
                    ValueCase{"0000000003", editions::kEnglish},
                    ValueCase{"99999999999999999999", editions::kEnglish}));

// Files a user may have edited by hand or damaged, and working directories the program may not
// write in: the program starts the edition the value gives and loses nothing.
struct FileCase {
    const char* name;
    std::string content;
    int edition;
    std::string after;  // the file's content after the start
    enum Kind { file, directory, unreadableFile, readOnlyFolder, readOnlyFolderWithoutFile };
    Kind kind = file;
};

void PrintTo(const FileCase& fileCase, std::ostream* stream) {
    *stream << fileCase.name;
}

class StartEditionFileTest : public StartEditionTest,
                             public testing::WithParamInterface<FileCase> {};

TEST_P(StartEditionFileTest, StartsTheEditionOfTheValueAndLosesNothing) {
    const auto& fileCase = GetParam();
    const auto folder = languageFile().parent_path();
    const bool needsModes = fileCase.kind == FileCase::unreadableFile ||
                            fileCase.kind == FileCase::readOnlyFolder ||
                            fileCase.kind == FileCase::readOnlyFolderWithoutFile;
    if (needsModes && ::geteuid() == 0) {
        GTEST_SKIP() << "root reads and writes whatever the modes say";
    }
    if (fileCase.kind == FileCase::directory) {
        std::filesystem::create_directory(languageFile());
    } else if (fileCase.kind != FileCase::readOnlyFolderWithoutFile) {
        writeFile(fileCase.content);
    }
    if (fileCase.kind == FileCase::unreadableFile) {
        std::filesystem::permissions(languageFile(), std::filesystem::perms::owner_write);
    }
    if (fileCase.kind == FileCase::readOnlyFolder ||
        fileCase.kind == FileCase::readOnlyFolderWithoutFile) {
        std::filesystem::permissions(folder, std::filesystem::perms(0500));
    }

    const int edition = window_logic::chooseStartEdition(languageFile());
    std::filesystem::permissions(folder, std::filesystem::perms(0700));
    EXPECT_EQ(edition, fileCase.edition);

    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    if (fileCase.kind == FileCase::readOnlyFolderWithoutFile) {
        EXPECT_TRUE(names.empty());
        return;
    }
    EXPECT_EQ(names, std::vector<std::string>{"Language.ini"});
    if (fileCase.kind == FileCase::directory) {
        EXPECT_TRUE(std::filesystem::is_directory(languageFile()));
        return;
    }
    std::filesystem::permissions(languageFile(), std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::add);
    EXPECT_TRUE(fileContent() == fileCase.after) << fileContent().substr(0, 200);
}

const std::string kSecondSection = "[Configuration]\r\nLanguage=2\r\n";
const std::string kTenMegabytes = "[Configuration]\r\nLanguage=2\r\n" + std::string(10000000, 'x');
const std::string kBinary("[Configuration]\r\nLanguage=2\r\n\0\x01\x02", 32);

INSTANTIATE_TEST_SUITE_P(
    Files, StartEditionFileTest,
    testing::Values(
        FileCase{"double quotes", "[Configuration]\r\nLanguage=\"2\"\r\n", editions::kFrench,
                 "[Configuration]\r\nLanguage=\"2\"\r\n"},
        FileCase{"UTF-8 mark, empty value", "\xEF\xBB\xBF[Configuration]\r\nLanguage=\r\n",
                 editions::kRussian, "\xEF\xBB\xBF" + kFreshFile},
        FileCase{"UTF-16", utf16File(u"[Configuration]\r\nLanguage=2\r\n"), editions::kFrench,
                 utf16File(u"[Configuration]\r\nLanguage=2\r\n")},
        FileCase{"UTF-16, empty value", utf16File(u"[Configuration]\r\nLanguage=\r\n"),
                 editions::kRussian,
                 utf16File(u"[Configuration]\r\nLanguage=1\r\n"
                           u"{0-English;1-Russian;2-French;3-Spanish;4-Portuguese;}\r\n")},
        FileCase{"value in a second section of the name",
                 "[Configuration]\r\nOther=5\r\n" + kSecondSection, editions::kRussian,
                 "[Configuration]\r\nOther=5\r\nLanguage=1\r\n"
                 "{0-English;1-Russian;2-French;3-Spanish;4-Portuguese;}\r\n" +
                     kSecondSection},
        FileCase{"key line without an equals sign first",
                 "[Configuration]\r\nLanguage\r\nLanguage=2\r\n", editions::kRussian,
                 kFreshFile + "Language=2\r\n"},
        FileCase{"binary", kBinary, editions::kRussian, kBinary},
        FileCase{"ten megabytes", kTenMegabytes, editions::kRussian, kTenMegabytes},
        FileCase{"directory", "", editions::kRussian, "", FileCase::directory},
        FileCase{"unreadable", "[Configuration]\r\nLanguage=2\r\n", editions::kRussian,
                 "[Configuration]\r\nLanguage=2\r\n", FileCase::unreadableFile},
        FileCase{"read-only folder, empty value", "[Configuration]\r\nLanguage=\r\n",
                 editions::kRussian, kFreshFile, FileCase::readOnlyFolder},
        FileCase{"read-only folder, no file", "", editions::kRussian, "",
                 FileCase::readOnlyFolderWithoutFile}));

}  // namespace
