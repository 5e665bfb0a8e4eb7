#include "change_entry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace change_log {
namespace {

constexpr std::string_view kStartMark = "qumat_pro change log";

struct Field {
    std::string_view name;
    std::string ChangeEntry::*member;
    // Left out of a line when empty, as lines written before the field existed are.
    bool optional = false;
};

// The fields in the order a line holds them.
constexpr std::array<Field, 17> kFields{{
    {"time", &ChangeEntry::time},
    {"utc_offset", &ChangeEntry::utcOffset},
    {"user", &ChangeEntry::user},
    {"host", &ChangeEntry::host},
    {"front_end", &ChangeEntry::frontEnd},
    {"edition", &ChangeEntry::edition},
    {"model", &ChangeEntry::model},
    {"device_id", &ChangeEntry::deviceId},
    {"serial_number", &ChangeEntry::serialNumber},
    {"setting", &ChangeEntry::setting},
    {"old", &ChangeEntry::oldValue},
    {"new", &ChangeEntry::newValue},
    {"outcome", &ChangeEntry::outcome},
    {"reason", &ChangeEntry::reason, true},
    {"intent", &ChangeEntry::intent, true},
    {"previous", &ChangeEntry::previous},
    {"hash", &ChangeEntry::hash},
}};

bool needsEscape(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '"' || c == '\\' || byte < 0x20 || byte == 0x7F;
}

void appendString(std::string& line, std::string_view text) {
    static constexpr char kDigits[] = "0123456789abcdef";
    line += '"';
    // Runs that need no escape go in whole: a long log is written and checked line by line.
    while (!text.empty()) {
        const auto plain = std::ranges::find_if(text, needsEscape) - text.begin();
        line.append(text.substr(0, static_cast<std::size_t>(plain)));
        text.remove_prefix(static_cast<std::size_t>(plain));
        if (text.empty()) {
            break;
        }
        const char c = text.front();
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            line += '\\';
            line += c;
        } else {
            line += "\\u00";
            line += kDigits[byte >> 4];
            line += kDigits[byte & 0x0F];
        }
        text.remove_prefix(1);
    }
    line += '"';
}

void appendUtf8(std::string& text, std::uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Reads a JSON string at `at` (its opening quote), moving past it.
class Reader {
  public:
    explicit Reader(std::string_view line) : line_(line) {}

    bool take(char c) {
        if (at_ < line_.size() && line_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool atEnd() const { return at_ == line_.size(); }
    std::size_t position() const { return at_; }
    void rewind(std::size_t position) { at_ = position; }

    std::optional<std::string> string() {
        if (!take('"')) {
            return std::nullopt;
        }
        std::string text;
        while (at_ < line_.size()) {
            const auto plain = line_.find_first_of("\"\\", at_);
            if (plain != std::string_view::npos && plain > at_) {
                text.append(line_.substr(at_, plain - at_));
                at_ = plain;
            }
            const char c = line_[at_++];
            if (c == '"') {
                return text;
            }
            if (c != '\\') {
                text += c;
                continue;
            }
            if (at_ >= line_.size()) {
                return std::nullopt;
            }
            const char escaped = line_[at_++];
            if (escaped == '"' || escaped == '\\' || escaped == '/') {
                text += escaped;
            } else if (escaped == 'u') {
                const auto code = hex4();
                if (!code) {
                    return std::nullopt;
                }
                appendUtf8(text, *code);
            } else {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

  private:
    std::optional<std::uint32_t> hex4() {
        if (line_.size() - at_ < 4) {
            return std::nullopt;
        }
        std::uint32_t code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = line_[at_++];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) {
                return std::nullopt;
            }
            code = code * 16 + static_cast<std::uint32_t>(digit);
        }
        return code;
    }

    std::string_view line_;
    std::size_t at_ = 0;
};

}  // namespace

std::string toLine(const ChangeEntry& entry) {
    std::string line = "{";
    for (const auto& [name, field, optional] : kFields) {
        if ((optional || field == &ChangeEntry::hash) && (entry.*field).empty()) {
            continue;
        }
        if (line.size() > 1) {
            line += ',';
        }
        appendString(line, name);
        line += ':';
        appendString(line, entry.*field);
    }
    line += '}';
    return line;
}

// Only the lines toLine writes: the fields in their order, nothing between them.
std::optional<ChangeEntry> fromLine(std::string_view line) {
    Reader reader(line);
    ChangeEntry entry;
    if (!reader.take('{')) {
        return std::nullopt;
    }
    for (const auto& [name, field, optional] : kFields) {
        const auto start = reader.position();
        if (field != &ChangeEntry::time && !reader.take(',')) {
            return std::nullopt;
        }
        const auto key = reader.string();
        if (optional && key != name) {
            reader.rewind(start);
            continue;
        }
        if (!key || *key != name || !reader.take(':')) {
            return std::nullopt;
        }
        auto value = reader.string();
        if (!value) {
            return std::nullopt;
        }
        entry.*field = std::move(*value);
    }
    if (!reader.take('}') || !reader.atEnd()) {
        return std::nullopt;
    }
    return entry;
}

std::string toLine(const StartLine& start) {
    std::string line = "{";
    appendString(line, "log");
    line += ':';
    appendString(line, kStartMark);
    line += ',';
    appendString(line, "created");
    line += ':';
    appendString(line, start.created);
    if (start.number != 0) {
        line += ',';
        appendString(line, "file");
        line += ':';
        appendString(line, std::to_string(start.number));
        line += ',';
        appendString(line, "previous");
        line += ':';
        appendString(line, start.previous);
    }
    line += '}';
    return line;
}

std::optional<StartLine> startLineOf(std::string_view line) {
    Reader reader(line);
    StartLine start;
    if (!reader.take('{') || reader.string() != "log" || !reader.take(':') ||
        reader.string() != kStartMark || !reader.take(',') || reader.string() != "created" ||
        !reader.take(':')) {
        return std::nullopt;
    }
    auto created = reader.string();
    if (!created) {
        return std::nullopt;
    }
    start.created = std::move(*created);
    if (reader.take(',')) {
        const auto number =
            reader.string() == "file" && reader.take(':') ? reader.string() : std::nullopt;
        // Written by the log: digits, the first not 0.
        if (!number || number->empty() || number->size() > 18 || number->front() == '0' ||
            number->find_first_not_of("0123456789") != std::string::npos || !reader.take(',') ||
            reader.string() != "previous" || !reader.take(':')) {
            return std::nullopt;
        }
        auto previous = reader.string();
        if (!previous) {
            return std::nullopt;
        }
        start.number = std::stoull(*number);
        start.previous = std::move(*previous);
    }
    if (!reader.take('}') || !reader.atEnd()) {
        return std::nullopt;
    }
    return start;
}

}  // namespace change_log
