#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Between UTF-8, the text of arguments, files and output, and the UTF-16 of window text.
// Nothing when the bytes are not well-formed UTF-8.
std::optional<std::u16string> fromUtf8(std::string_view text);
// A surrogate without its partner becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// The text without the byte-order mark that editors on the desktop platform start a UTF-8 file
// with.
inline std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return text.starts_with(kMark) ? text.substr(kMark.size()) : text;
}

}  // namespace platform
