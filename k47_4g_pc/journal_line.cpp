#include "journal_line.h"

#include <cstring>
#include <span>

#include "byte_text.h"

namespace k47 {
namespace {

// Built front to back: prefixing a temporary string moves all of it along.
std::string enclosed(char opening, std::string_view inner, char closing) {
    std::string value;
    value.reserve(inner.size() + 2);
    value += opening;
    value += inner;
    value += closing;
    return value;
}

}  // namespace

JournalLine::JournalLine(Function function) : line_(functionName(function)) {}

JournalLine& JournalLine::number(std::string_view name, int32_t value) {
    return field(name, std::to_string(value));
}

JournalLine& JournalLine::number(std::string_view name, const int32_t* value) {
    return value == nullptr ? field(name, "null") : number(name, *value);
}

JournalLine& JournalLine::bytes(std::string_view name, const void* data, std::size_t size) {
    if (data == nullptr) {
        return field(name, "null");
    }
    return field(name, enclosed('[', hexBytes({static_cast<const uint8_t*>(data), size}), ']'));
}

JournalLine& JournalLine::unread(std::string_view name) {
    return field(name, "-");
}

JournalLine& JournalLine::text(std::string_view name, const char* text, std::size_t limit) {
    if (text == nullptr) {
        return field(name, "null");
    }
    return field(name, enclosed('"', escapeText({text, ::strnlen(text, limit)}), '"'));
}

JournalLine& JournalLine::field(std::string_view name, std::string_view value) {
    line_ += ' ';
    line_ += name;
    line_ += '=';
    line_ += value;
    return *this;
}

}  // namespace k47
