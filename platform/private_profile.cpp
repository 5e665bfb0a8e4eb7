#include "private_profile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <vector>

namespace platform {
namespace {

// Settings files are a few lines long; anything larger is not one of ours.
constexpr std::uintmax_t kMaximumFileSize = 1024 * 1024;

struct Line {
    std::string text;    // without its line end
    std::string ending;  // "\r\n", "\n" or "" for a last line without one
};

std::string_view trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.size() < 2 || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trim(line.substr(1, close - 1));
}

bool isKeyLine(std::string_view line, std::string_view key) {
    const auto equals = line.find('=');
    return equals != std::string_view::npos &&
           equalsIgnoringCase(trim(line.substr(0, equals)), key);
}

// The whole file, or nothing when it is missing, unreadable, too large or not text.
std::optional<std::string> readTextFile(const std::filesystem::path& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > kMaximumFileSize) {
        return std::nullopt;
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return std::nullopt;
    }
    std::string content{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad() || content.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return content;
}

std::vector<Line> splitLines(std::string_view content) {
    std::vector<Line> lines;
    while (!content.empty()) {
        const auto newline = content.find('\n');
        std::string_view text = content.substr(0, newline);
        std::string ending;
        if (newline == std::string_view::npos) {
            content = {};
        } else {
            content.remove_prefix(newline + 1);
            ending = "\n";
        }
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
            ending.insert(0, "\r");
        }
        lines.push_back({std::string(text), ending});
    }
    return lines;
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
    const auto content = readTextFile(file);
    if (!content) {
        return std::string(firstCharacters(defaultValue, limit));
    }
    bool inSection = false;
    for (const auto& line : splitLines(*content)) {
        if (const auto name = sectionName(line.text)) {
            inSection = equalsIgnoringCase(*name, section);
        } else if (inSection && isKeyLine(line.text, key)) {
            const auto value = trim(std::string_view(line.text).substr(line.text.find('=') + 1));
            return std::string(firstCharacters(value, limit));
        }
    }
    return std::string(firstCharacters(defaultValue, limit));
}

bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value) {
    std::vector<Line> lines;
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        const auto content = readTextFile(file);
        if (!content) {
            return false;
        }
        lines = splitLines(*content);
    }

    const Line keyLine{std::string(key) + "=" + std::string(value), "\r\n"};
    std::optional<std::size_t> sectionLine;
    std::optional<std::size_t> lastLineOfSection;
    std::optional<std::size_t> existingKey;
    for (std::size_t index = 0; index < lines.size() && !existingKey; ++index) {
        if (const auto name = sectionName(lines[index].text)) {
            if (sectionLine) {
                break;
            }
            if (equalsIgnoringCase(*name, section)) {
                sectionLine = index;
                lastLineOfSection = index;
            }
        } else if (sectionLine) {
            if (isKeyLine(lines[index].text, key)) {
                existingKey = index;
            } else if (!trim(lines[index].text).empty()) {
                lastLineOfSection = index;
            }
        }
    }

    if (existingKey) {
        lines[*existingKey] = keyLine;
    } else {
        if (!lines.empty() && !lines.back().ending.ends_with('\n')) {
            lines.back().ending = "\r\n";
        }
        if (sectionLine) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastLineOfSection + 1),
                         keyLine);
        } else {
            lines.push_back({"[" + std::string(section) + "]", "\r\n"});
            lines.push_back(keyLine);
        }
    }

    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) {
        stream << line.text << line.ending;
    }
    stream.flush();
    return static_cast<bool>(stream);
}

}  // namespace platform
