#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace k47 {

// Camera texts are bytes in the tool's ANSI code page, not UTF-8. In the state file and the call
// journal they are written as printable ASCII, every other byte as \xHH and a backslash as \\,
// so that the files stay one-line-per-value text files that survive any byte.
std::string escapeText(std::string_view bytes);
// The inverse of escapeText; also takes hand-written values with raw printable characters.
// Nothing when an escape is malformed.
std::optional<std::string> unescapeText(std::string_view text);

// Bytes as two-digit upper-case hex numbers separated by blanks: "9C 02 1F".
std::string hexBytes(std::span<const uint8_t> bytes);
// Reads hexBytes' form; any run of blanks separates. Nothing when a token is not two hex digits.
std::optional<std::vector<uint8_t>> parseHexBytes(std::string_view text);

}  // namespace k47
