#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace editions {

// The one setting the tool keeps: the edition index, in the working directory's Language.ini.
inline const std::filesystem::path kLanguageFile = "./Language.ini";

// The raw value of the setting, at most 9 characters; empty when missing.
std::string readLanguageSetting(const std::filesystem::path& file);

// Replaces the value and keeps every other line of the file. False when it cannot be written.
bool writeLanguageSetting(const std::filesystem::path& file, std::string_view value);

}  // namespace editions
