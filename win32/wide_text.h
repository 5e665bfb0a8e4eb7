#pragma once

#include <string>
#include <string_view>

#include "utf8.h"

namespace win32 {

// The window system's texts are UTF-16; the program's are UTF-8.
inline std::wstring wide(std::string_view text) {
    const auto utf16 = platform::fromUtf8(text).value_or(std::u16string());
    return {utf16.begin(), utf16.end()};
}

inline std::string narrow(std::wstring_view text) {
    return platform::toUtf8(std::u16string(text.begin(), text.end()));
}

}  // namespace win32
