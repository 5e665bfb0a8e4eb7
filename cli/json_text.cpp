#include "json_text.h"

#include <cstdio>

#include "control_characters.h"
#include "utf8.h"

namespace cli {
namespace {

void appendUnicodeEscape(std::string& json, unsigned code) {
    char escape[7];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    json += escape;
}

// Appends `text`, each control character as a \u escape; quotes and backslashes too when it is
// the inside of a string, not JSON already. A byte that is no UTF-8, such as the camera's byte its
// code page could not decode, is the lone surrogate that stands for it, \udc80 to \udcff: JSON
// holds only Unicode text.
void appendEscaped(std::string& json, std::string_view text, bool insideOfString) {
    for (std::size_t i = 0; i < text.size();) {
        if (const auto kept = platform::keptByteAt(text, i)) {
            appendUnicodeEscape(json, 0xDC00 + *kept);
            i += 3;
            continue;
        }
        if (platform::utf8CharacterLength(text, i) == 0) {
            appendUnicodeEscape(json, 0xDC00 + static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        const auto control = controlCharacterAt(text, i);
        if (control.length > 0) {
            appendUnicodeEscape(json, static_cast<unsigned>(control.code));
            i += control.length;
            continue;
        }
        const std::size_t length = platform::utf8CharacterLength(text, i);
        if (insideOfString && (text[i] == '"' || text[i] == '\\')) {
            json += '\\';
        }
        json += text.substr(i, length);
        i += length;
    }
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string json = "\"";
    appendEscaped(json, text, true);
    return json + '"';
}

std::string withControlCharactersEscaped(std::string_view json) {
    std::string escaped;
    appendEscaped(escaped, json, false);
    return escaped;
}

std::string jsonError(std::string_view error, std::optional<std::string_view> call) {
    return "{\"error\": " + jsonString(error) +
           ", \"call\": " + (call ? jsonString(*call) : std::string("null")) + "}\n";
}

}  // namespace cli
