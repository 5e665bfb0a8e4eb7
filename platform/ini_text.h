#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

namespace platform {

// What INI files ignore around names and values: blanks and tabs.
inline std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Section and key names match whatever their case, ASCII letters only.
inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace platform
