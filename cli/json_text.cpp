#include "json_text.h"

#include <cstdio>

namespace cli {

std::string jsonString(std::string_view text) {
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        // A C1 control (U+0080 to U+009F, 0xC2 and a second byte in UTF-8) may drive a terminal
        // as ESC does.
        const bool c1 = c == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c == '"' || c == '\\') {
            json += '\\';
            json += text[i];
        } else if (c < 0x20 || c == 0x7F || c1) {
            char escape[7];
            std::snprintf(escape, sizeof escape, "\\u%04x",
                          c1 ? static_cast<unsigned char>(text[++i]) : c);
            json += escape;
        } else {
            json += text[i];
        }
    }
    return json + '"';
}

}  // namespace cli
