#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// The bytes of a UTF-16 little-endian file with its byte-order mark.
inline std::string utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

}  // namespace testing_support
