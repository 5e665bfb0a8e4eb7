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

}  // namespace platform
