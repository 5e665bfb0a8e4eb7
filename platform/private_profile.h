#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Reads one key of an INI file the way private-profile files are read on the desktop platform
// the tool comes from: section and key match case-insensitively, only the first section of a name
// counts, a line ends at LF, CR or CR LF, the value is trimmed and loses matching enclosing quotes,
// a key line without an equals sign has an empty value, and at most bufferSize - 1 characters come
// back. Files may start with a UTF-8 byte-order mark or be UTF-16 little-endian with its mark;
// values come back as UTF-8. A missing file, section or key, a file that is not text and a file
// too large to be a settings file give the default.
std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize);

// Writes one key: replaces that key's line, or adds the key (and its section) when missing, and
// keeps every other byte of the file, its encoding and its byte-order mark. The new content goes
// to a file beside it that is renamed over it (as replaceFile does: through symbolic links,
// keeping its mode and, where it may, its owner), so a process killed on the way leaves the old
// or the new file; only a folder that takes no new file gets the file rewritten in place. A missing
// file is created; new lines end in CRLF. Returns false when the file cannot be read back or
// written, and then leaves it as it was.
bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace platform
