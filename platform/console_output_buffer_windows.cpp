#include "console_output_buffer_windows.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace platform {
namespace {

// Where a UTF-8 sequence cut off at the end of `text` starts, or its size when none is.
std::size_t wholeCharactersIn(std::string_view text) {
    const std::size_t lookBack = std::min<std::size_t>(text.size(), 3);
    for (std::size_t back = 1; back <= lookBack; ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80) {
            continue;
        }
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? text.size() - back : text.size();
    }
    return text.size();
}

}  // namespace

ConsoleOutputBuffer::ConsoleOutputBuffer(HANDLE console) : console_(console) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

ConsoleOutputBuffer::~ConsoleOutputBuffer() {
    write(true);
}

ConsoleOutputBuffer::int_type ConsoleOutputBuffer::overflow(int_type character) {
    if (!write(false)) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(character, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(character);
        pbump(1);
    }
    return traits_type::not_eof(character);
}

int ConsoleOutputBuffer::sync() {
    return write(false) ? 0 : -1;
}

bool ConsoleOutputBuffer::write(bool whole) {
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t ready = whole ? pending.size() : wholeCharactersIn(pending);
    std::wstring text;
    if (ready > 0) {
        const auto length = static_cast<int>(ready);
        const int size = MultiByteToWideChar(CP_UTF8, 0, pending.data(), length, nullptr, 0);
        text.resize(static_cast<std::size_t>(size));
        MultiByteToWideChar(CP_UTF8, 0, pending.data(), length, text.data(), size);
    }
    std::wstring_view rest = text;
    while (!rest.empty()) {
        DWORD written = 0;
        if (!WriteConsoleW(console_, rest.data(), static_cast<DWORD>(rest.size()), &written,
                           nullptr) ||
            written == 0) {
            return false;
        }
        rest.remove_prefix(written);
    }
    // The start of a character cut off goes to the front, to be finished by the next write.
    const auto kept = std::copy(pending.begin() + static_cast<std::ptrdiff_t>(ready), pending.end(),
                                buffer_.begin());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    pbump(static_cast<int>(kept - buffer_.begin()));
    return true;
}

}  // namespace platform
