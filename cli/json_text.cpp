#include "json_text.h"

#include <cstdio>

#include "control_characters.h"

namespace cli {
namespace {

// Appends `text`, each control character as a \u escape; quotes and backslashes too when it is
// the inside of a string, not JSON already.
void appendEscaped(std::string& json, std::string_view text, bool insideOfString) {
    for (std::size_t i = 0; i < text.size();) {
        const auto control = controlCharacterAt(text, i);
        if (control.length > 0) {
            char escape[7];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(control.code));
            json += escape;
            i += control.length;
            continue;
        }
        const char c = text[i++];
        if (insideOfString && (c == '"' || c == '\\')) {
            json += '\\';
        }
        json += c;
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

std::string jsonError(std::string_view error, std::string_view call) {
    return "{\"error\": " + jsonString(error) + ", \"call\": " + jsonString(call) + "}\n";
}

}  // namespace cli
