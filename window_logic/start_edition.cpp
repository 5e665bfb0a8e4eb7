#include "start_edition.h"

#include <cstdlib>

#include "code_page.h"
#include "edition.h"
#include "language_setting.h"

namespace window_logic {
namespace {

// The value 1 followed by a legend line: the next read sees only "1".
constexpr const char* kDefaultSetting =
    "1\r\n{0-English;1-Russian;2-French;3-Spanish;4-Portuguese;}";

}  // namespace

int chooseStartEdition(const std::filesystem::path& languageFile) {
    const auto value = editions::readLanguageSetting(languageFile);
    if (value.empty()) {
        // A file that cannot be written is no reason not to start.
        editions::writeLanguageSetting(languageFile, kDefaultSetting);
        return editions::kRussian;
    }
    const long number = std::strtol(value.c_str(), nullptr, 10);
    if (number >= editions::kRussian && number <= editions::kPortuguese) {
        return static_cast<int>(number);
    }
    return editions::kEnglish;
}

void followEditionCodePage(const editions::Edition& edition) {
    platform::setFallbackCodePage(edition.index == editions::kRussian
                                      ? platform::CodePage::cyrillic
                                      : platform::CodePage::western);
}

}  // namespace window_logic
