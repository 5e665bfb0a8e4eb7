#include "private_profile.h"

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <vector>

#include "ini_text.h"
#include "replace_file.h"
#include "utf8.h"

namespace platform {
namespace {

// Settings files are a few lines long; anything larger is not one of ours.
constexpr std::uintmax_t kMaximumFileSize = 1024 * 1024;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

// A file as it is stored: bytes (UTF-8 or not) after an optional UTF-8 byte-order mark, or UTF-16
// little-endian after its mark. Writes change the bytes of one line and keep all others.
struct StoredText {
    std::string bytes;      // the whole file, mark included
    std::size_t begin = 0;  // the text's first byte, after the mark
    std::size_t unit = 1;   // bytes per code unit
};

struct Line {
    std::string text;         // as UTF-8, without its line end
    std::size_t begin = 0;    // offsets in the stored bytes: the line's first byte,
    std::size_t textEnd = 0;  // the first byte of its line end
    std::size_t end = 0;      // and the first byte after it
};

// Where a key is: only the first section of a name counts, and in it only the key's first line.
struct KeyPlace {
    std::optional<std::size_t> section;  // the section's header line
    std::size_t lastLine = 0;            // its last line that is not blank
    std::optional<std::size_t> key;
};

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.size() < 2 || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trimBlanks(line.substr(1, close - 1));
}

// A line inside a section names a key, with or without an equals sign; a blank line none.
bool isKeyLine(std::string_view line, std::string_view key) {
    return !trimBlanks(line).empty() &&
           equalsIgnoringCase(trimBlanks(line.substr(0, line.find('='))), key);
}

std::string_view valueOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    auto value = trimBlanks(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

char32_t unitAt(const StoredText& stored, std::size_t offset) {
    const auto byte = [&](std::size_t at) {
        return static_cast<char32_t>(static_cast<unsigned char>(stored.bytes[at]));
    };
    return stored.unit == 2 ? byte(offset) | byte(offset + 1) << 8 : byte(offset);
}

// The whole file, or nothing when it is missing, unreadable, too large or not text.
std::optional<StoredText> readStoredText(const std::filesystem::path& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > kMaximumFileSize) {
        return std::nullopt;
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return std::nullopt;
    }
    StoredText stored;
    stored.bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    if (stream.bad()) {
        return std::nullopt;
    }
    if (stored.bytes.starts_with(kUtf16Mark)) {
        stored.begin = kUtf16Mark.size();
        stored.unit = 2;
    } else if (stored.bytes.starts_with(kUtf8Mark)) {
        stored.begin = kUtf8Mark.size();
    }
    if ((stored.bytes.size() - stored.begin) % stored.unit != 0) {
        return std::nullopt;
    }
    for (auto offset = stored.begin; offset < stored.bytes.size(); offset += stored.unit) {
        if (unitAt(stored, offset) == 0) {
            return std::nullopt;
        }
    }
    return stored;
}

// The text of stored bytes as UTF-8; an unpaired surrogate reads as the replacement character.
std::string decode(const StoredText& stored, std::size_t begin, std::size_t end) {
    if (stored.unit == 1) {
        return stored.bytes.substr(begin, end - begin);
    }
    std::u16string units;
    for (auto offset = begin; offset < end; offset += 2) {
        units += static_cast<char16_t>(unitAt(stored, offset));
    }
    return toUtf8(units);
}

// Text written in the file's encoding; `text` is UTF-8, as writeProfileString checks.
std::string encode(const StoredText& stored, std::string_view text) {
    if (stored.unit == 1) {
        return std::string(text);
    }
    std::string bytes;
    for (const char16_t unit : fromUtf8(text).value_or(std::u16string())) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// Lines end at a line feed, a carriage return or both together.
std::vector<Line> splitLines(const StoredText& stored) {
    std::vector<Line> lines;
    const auto size = stored.bytes.size();
    for (auto position = stored.begin; position < size;) {
        Line line;
        line.begin = position;
        while (position < size && unitAt(stored, position) != '\n' &&
               unitAt(stored, position) != '\r') {
            position += stored.unit;
        }
        line.textEnd = position;
        if (position < size) {
            const bool carriageReturn = unitAt(stored, position) == '\r';
            position += stored.unit;
            if (carriageReturn && position < size && unitAt(stored, position) == '\n') {
                position += stored.unit;
            }
        }
        line.end = position;
        line.text = decode(stored, line.begin, line.textEnd);
        lines.push_back(std::move(line));
    }
    return lines;
}

KeyPlace findKey(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    KeyPlace place;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const auto& text = lines[index].text;
        if (const auto name = sectionName(text)) {
            if (place.section) {
                break;
            }
            if (equalsIgnoringCase(*name, section)) {
                place.section = index;
                place.lastLine = index;
            }
        } else if (place.section) {
            if (isKeyLine(text, key)) {
                place.key = index;
                break;
            }
            if (!trimBlanks(text).empty()) {
                place.lastLine = index;
            }
        }
    }
    return place;
}

// The stored bytes with the key's line replaced, or with the key (and its section) added.
std::string withKey(const StoredText& stored, std::string_view section, std::string_view key,
                    std::string_view value) {
    const auto lines = splitLines(stored);
    const auto place = findKey(lines, section, key);
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    std::string bytes = stored.bytes;
    if (place.key) {
        const Line& line = lines[*place.key];
        return bytes.replace(line.begin, line.textEnd - line.begin, encode(stored, keyLine));
    }
    // Built front to back: GCC 12 at -O3 warns of an overlap on a prefixed temporary string.
    std::string added;
    if (!place.section) {
        added.append("[").append(section).append("]\r\n");
    }
    added.append(keyLine).append("\r\n");
    auto position = bytes.size();
    const Line* after = place.section ? &lines[place.lastLine] : nullptr;
    if (!after && !lines.empty()) {
        after = &lines.back();
    }
    if (after) {
        position = after->end;
        if (after->end == after->textEnd) {
            added.insert(0, "\r\n");
        }
    }
    return bytes.insert(position, encode(stored, added));
}

// Cuts a UTF-8 text after `count` characters without splitting one.
std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t position = 0;
    for (std::size_t characters = 0; position < text.size() && characters < count; ++characters) {
        ++position;
        while (position < text.size() &&
               (static_cast<unsigned char>(text[position]) & 0xC0) == 0x80) {
            ++position;
        }
    }
    return text.substr(0, position);
}

}  // namespace

std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    const auto limit = bufferSize - 1;
    const auto stored = readStoredText(file);
    if (!stored) {
        return std::string(firstCharacters(defaultValue, limit));
    }
    const auto lines = splitLines(*stored);
    const auto place = findKey(lines, section, key);
    if (!place.key) {
        return std::string(firstCharacters(defaultValue, limit));
    }
    return std::string(firstCharacters(valueOf(lines[*place.key].text), limit));
}

bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value) {
    // What is written is text: a key or value that is not UTF-8 has no place in the file.
    if (!fromUtf8(section) || !fromUtf8(key) || !fromUtf8(value)) {
        return false;
    }
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return !replaceFile(file, withKey(StoredText{}, section, key, value));
    }
    const auto stored = readStoredText(file);
    // A file this process may not write stays as it is, though its folder would let us replace it.
    if (!stored || ::access(file.c_str(), W_OK) != 0) {
        return false;
    }
    return !replaceFile(file, withKey(*stored, section, key, value),
                        {.inPlaceWhereFolderRefuses = true});
}

}  // namespace platform
