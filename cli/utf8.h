#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// Arguments, files and output are UTF-8; the camera classes take and give UTF-16.
// Nothing when the bytes are not well-formed UTF-8.
std::optional<std::u16string> fromUtf8(std::string_view text);
// A surrogate without its partner becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

}  // namespace cli
