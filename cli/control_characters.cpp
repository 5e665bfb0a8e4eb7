#include "control_characters.h"

namespace cli {

ControlCharacter controlCharacterAt(std::string_view text, std::size_t at) {
    // 0 past the end, which no continuation byte is.
    const auto byte = [&](std::size_t offset) -> char32_t {
        return at + offset < text.size() ? static_cast<unsigned char>(text[at + offset]) : 0;
    };
    const auto continues = [&](std::size_t offset) { return (byte(offset) & 0xC0) == 0x80; };
    const char32_t first = byte(0);
    if (first < 0x20 || first == 0x7F) {
        return {.length = 1, .code = first};
    }
    if ((first & 0xE0) == 0xC0 && continues(1)) {
        const char32_t code = (first & 0x1F) << 6 | (byte(1) & 0x3F);
        if ((code >= 0x80 && code <= 0x9F) || code == 0x061C) {
            return {.length = 2, .code = code};
        }
    } else if ((first & 0xF0) == 0xE0 && continues(1) && continues(2)) {
        const char32_t code = (first & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
        if (code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E) ||
            (code >= 0x2066 && code <= 0x2069)) {
            return {.length = 3, .code = code};
        }
    }
    return {};
}

}  // namespace cli
