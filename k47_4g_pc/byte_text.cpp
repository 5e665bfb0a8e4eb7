#include "byte_text.h"

namespace k47 {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

std::optional<uint8_t> hexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return static_cast<uint8_t>(digit - '0');
    }
    if (digit >= 'a' && digit <= 'f') {
        return static_cast<uint8_t>(digit - 'a' + 10);
    }
    if (digit >= 'A' && digit <= 'F') {
        return static_cast<uint8_t>(digit - 'A' + 10);
    }
    return std::nullopt;
}

std::optional<uint8_t> hexByte(std::string_view twoDigits) {
    const auto high = hexValue(twoDigits[0]);
    const auto low = hexValue(twoDigits[1]);
    if (!high || !low) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(*high << 4 | *low);
}

void appendHex(std::string& text, uint8_t byte) {
    text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 0x0F];
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string escapeText(std::string_view bytes) {
    std::string text;
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        const auto byte = static_cast<uint8_t>(bytes[index]);
        // Blanks at either end would be trimmed away when the value is read back.
        const bool edgeBlank = byte == ' ' && (index == 0 || index + 1 == bytes.size());
        if (byte == '\\') {
            text += "\\\\";
        } else if (byte < 0x20 || byte > 0x7E || byte == '"' || edgeBlank) {
            text += "\\x";
            appendHex(text, byte);
        } else {
            text += static_cast<char>(byte);
        }
    }
    return text;
}

std::optional<std::string> unescapeText(std::string_view text) {
    std::string bytes;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] != '\\') {
            bytes += text[index];
        } else if (text.substr(index, 2) == "\\\\") {
            bytes += '\\';
            index += 1;
        } else if (text.size() >= index + 4 && text[index + 1] == 'x') {
            const auto byte = hexByte(text.substr(index + 2, 2));
            if (!byte) {
                return std::nullopt;
            }
            bytes += static_cast<char>(*byte);
            index += 3;
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

std::string hexBytes(std::span<const uint8_t> bytes) {
    std::string text;
    for (const uint8_t byte : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        appendHex(text, byte);
    }
    return text;
}

std::optional<std::vector<uint8_t>> parseHexBytes(std::string_view text) {
    std::vector<uint8_t> bytes;
    std::size_t index = 0;
    while (index < text.size()) {
        if (isBlank(text[index])) {
            ++index;
            continue;
        }
        const bool twoDigits =
            index + 2 <= text.size() && (index + 2 == text.size() || isBlank(text[index + 2]));
        const auto byte = twoDigits ? hexByte(text.substr(index, 2)) : std::nullopt;
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
        index += 2;
    }
    return bytes;
}

}  // namespace k47
