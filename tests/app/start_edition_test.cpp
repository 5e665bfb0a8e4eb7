#include "start_edition.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "edition.h"
#include "temporary_directory.h"

namespace {

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
    EXPECT_EQ(app::chooseStartEdition(languageFile()), editions::kRussian);
    EXPECT_EQ(fileContent(), kFreshFile);
    // The legend line is not part of the value on the next start.
    EXPECT_EQ(app::chooseStartEdition(languageFile()), editions::kRussian);
    EXPECT_EQ(fileContent(), kFreshFile);
}

TEST_F(StartEditionTest, EmptyValueBehavesLikeAMissingFile) {
    writeFile("[Configuration]\r\nLanguage=\r\n");
    EXPECT_EQ(app::chooseStartEdition(languageFile()), editions::kRussian);
    EXPECT_EQ(fileContent(), kFreshFile);
}

TEST_F(StartEditionTest, MissingKeyIsAddedToTheExistingSection) {
    writeFile("[Configuration]\r\nOther=5\r\n");
    EXPECT_EQ(app::chooseStartEdition(languageFile()), editions::kRussian);
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
    EXPECT_EQ(app::chooseStartEdition(languageFile()), GetParam().edition);
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

TEST_F(StartEditionTest, UnwritableFileStillStartsTheRussianEdition) {
    // A directory where the file should be: it can be neither read nor written.
    std::filesystem::create_directory(languageFile());
    EXPECT_EQ(app::chooseStartEdition(languageFile()), editions::kRussian);
    EXPECT_TRUE(std::filesystem::is_directory(languageFile()));
}

}  // namespace
