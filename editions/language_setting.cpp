#include "language_setting.h"

#include "private_profile.h"

namespace editions {
namespace {

constexpr std::string_view kSection = "Configuration";
constexpr std::string_view kKey = "Language";
constexpr std::size_t kBufferSize = 10;

}  // namespace

std::string readLanguageSetting(const std::filesystem::path& file) {
    return platform::readProfileString(file, kSection, kKey, "", kBufferSize);
}

bool writeLanguageSetting(const std::filesystem::path& file, std::string_view value) {
    return platform::writeProfileString(file, kSection, kKey, value);
}

}  // namespace editions
