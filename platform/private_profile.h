#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Reads one key of an INI file the way private-profile files are read on the desktop platform
// the tool comes from: section and key match case-insensitively, the value is trimmed and ends
// at its line's end, and at most bufferSize - 1 characters come back. A missing file, section or
// key, a file that is not text and a file too large to be a settings file give the default.
std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize);

// Writes one key: replaces that key's line, or adds the key (and its section) when missing, and
// keeps every other line as it was. A missing file is created; new lines end in CRLF.
// Returns false when the file cannot be read back or written.
bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace platform
