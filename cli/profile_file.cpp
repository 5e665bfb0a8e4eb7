#include "profile_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "control_characters.h"
#include "setting_keys.h"
#include "setting_table.h"
#include "utf8.h"

namespace cli {
namespace {

constexpr std::string_view kHeader = "; qumat_pro profile: model ";
constexpr std::string_view kBlanks = " \t\r";

// The bytes at `at` that print as \xHH escapes, and what they read back as in a profile: a
// control character's bytes; the camera's byte its code page could not decode, kept, as that byte;
// or a byte that starts no UTF-8 character. Nothing when the text there prints as it is.
struct Escaped {
    std::size_t length = 0;
    std::string bytes;
};

Escaped escapedAt(std::string_view value, std::size_t at) {
    if (const auto kept = platform::keptByteAt(value, at)) {
        return {.length = 3, .bytes = std::string(1, static_cast<char>(*kept))};
    }
    if (platform::utf8CharacterLength(value, at) == 0) {
        return {.length = 1, .bytes = std::string(value.substr(at, 1))};
    }
    const std::size_t length = controlCharacterAt(value, at).length;
    return {.length = length, .bytes = std::string(value.substr(at, length))};
}

bool needsQuotes(std::string_view value) {
    if (value.empty()) {
        return false;
    }
    if (kBlanks.find(value.front()) != std::string_view::npos ||
        kBlanks.find(value.back()) != std::string_view::npos || value.front() == '"') {
        return true;
    }
    for (std::size_t i = 0; i < value.size(); i += platform::utf8CharacterLength(value, i)) {
        if (escapedAt(value, i).length > 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string escapedText(std::string_view value) {
    if (!needsQuotes(value)) {
        return std::string(value);
    }
    std::string text = "\"";
    for (std::size_t i = 0; i < value.size();) {
        const Escaped escaped = escapedAt(value, i);
        if (escaped.length > 0) {
            // Each byte as \xHH, so that it reads back as the same bytes.
            for (const char byte : escaped.bytes) {
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(byte));
                text += escape;
            }
            i += escaped.length;
            continue;
        }
        // A character of its own: a byte within one is no quote.
        const std::size_t length = platform::utf8CharacterLength(value, i);
        if (value[i] == '"' || value[i] == '\\') {
            text += '\\';
        }
        text += value.substr(i, length);
        i += length;
    }
    return text + '"';
}

std::optional<std::string> unescapedText(std::string_view value) {
    if (value.empty() || value.front() != '"') {
        return std::string(value);
    }
    std::string text;
    for (std::size_t i = 1; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"') {
            return i + 1 == value.size() ? std::optional(text) : std::nullopt;
        }
        if (c != '\\') {
            text += c;
        } else if (i + 1 < value.size() && (value[i + 1] == '"' || value[i + 1] == '\\')) {
            text += value[++i];
        } else if (i + 3 < value.size() && value[i + 1] == 'x' &&
                   std::isxdigit(static_cast<unsigned char>(value[i + 2])) &&
                   std::isxdigit(static_cast<unsigned char>(value[i + 3]))) {
            text += static_cast<char>(std::stoi(std::string(value.substr(i + 2, 2)), nullptr, 16));
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool isExported(const Setting& setting, ProfileContent content) {
    switch (setting.row->privacy) {
        case camera::Privacy::identity:
            return content.identity;
        case camera::Privacy::secret:
            return content.secrets;
        case camera::Privacy::ordinary:
            break;
    }
    return !setting.readOnly();
}

}  // namespace

bool holdsSecrets(const std::vector<Setting>& table, ProfileContent content) {
    return content.secrets && std::ranges::any_of(table, [](const Setting& setting) {
               return setting.row->privacy == camera::Privacy::secret;
           });
}

std::string profileText(const std::vector<Setting>& table, const camera::SettingValues& values,
                        const camera::CameraModel& model, ProfileContent content) {
    const auto firmware = values.find(camera::keys::kFirmware);
    // The firmware may not have been read: a profile holds no status value, so its export goes on.
    std::string text = std::string(kHeader) + std::string(model.name);
    if (firmware != values.end()) {
        text += ", firmware " + escapedText(firmware->second.text);
    }
    text += '\n';
    std::optional<camera::SettingGroup> section;
    for (const auto& setting : table) {
        if (!isExported(setting, content)) {
            continue;
        }
        if (section != setting.group()) {
            section = setting.group();
            text += "\n[" + std::string(camera::groupName(setting.group())) + "]\n";
        }
        text += std::string(setting.key()) + " = " +
                escapedText(values.at(std::string(setting.key())).text) + '\n';
    }
    return text;
}

namespace {

// UTF-16 text after its byte-order mark, little- or big-endian as the mark says, as UTF-8 with
// the mark; nothing for an odd number of bytes.
std::optional<std::string> fromUtf16(std::string_view bytes) {
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    const bool littleEndian = bytes.starts_with("\xFF\xFE");
    std::u16string units;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(
            static_cast<char16_t>(littleEndian ? first | second << 8 : first << 8 | second));
    }
    return platform::toUtf8(units);
}

}  // namespace

ProfileReading readProfile(std::string_view text) {
    // The desktop platform's own editor saves "Unicode" as UTF-16 with a byte-order mark.
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        const auto utf8 = fromUtf16(text);
        if (!utf8) {
            ProfileReading reading;
            reading.errors.push_back(
                "UTF-16 text of an odd number of bytes: the profile is cut short");
            return reading;
        }
        return readProfile(*utf8);
    }
    text = platform::withoutByteOrderMark(text);
    ProfileReading reading;
    std::string section;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size(); ++number) {
        // A line ends at LF, CR or CR LF, as in the platform's own settings files.
        const auto end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view raw = text.substr(start, end - start);
        start = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
        const std::string_view line = trimmed(raw);
        const auto error = [&](std::string_view what) {
            reading.errors.push_back("line " + std::to_string(number + 1) + ": " +
                                     std::string(what));
        };
        // What a cut-off file's last line holds may be any prefix of its value.
        if (end == text.size()) {
            error("the last line has no line end: the profile is cut short");
            break;
        }
        if (raw.starts_with(kHeader) && !reading.model) {
            const auto model = raw.substr(kHeader.size());
            reading.model = camera::modelNamed(model.substr(0, model.find(',')));
        }
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']') {
                error("a section line ends with ']'");
            }
            section = trimmed(line.substr(1, line.size() - 2));
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            error("expected 'key = value'");
            continue;
        }
        if (section.empty()) {
            error("a setting before the first [section]");
            continue;
        }
        const auto value = unescapedText(trimmed(line.substr(equals + 1)));
        if (!value) {
            error("a quoted value ends with its quote; inside, only \\\", \\\\ and \\xHH");
            continue;
        }
        if (value->find('\0') != std::string::npos) {
            error("a value holds a NUL byte, at which the camera would cut it");
            continue;
        }
        reading.requests.push_back(
            {.name = section + "." + std::string(trimmed(line.substr(0, equals))),
             .value = *value});
    }
    return reading;
}

}  // namespace cli
