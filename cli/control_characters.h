#pragma once

#include <cstddef>
#include <string_view>

namespace cli {

// A character that shows nothing of its own but may drive a terminal or reorder the text around
// it: a C0 control, DEL, a C1 control (U+0080 to U+009F), or a format character that steers
// bidirectional text (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069).
struct ControlCharacter {
    // Its bytes in UTF-8; 0 when no such character starts there.
    std::size_t length = 0;
    char32_t code = 0;
};

// The control character that starts at `at` of UTF-8 `text`, if one does.
ControlCharacter controlCharacterAt(std::string_view text, std::size_t at);

}  // namespace cli
