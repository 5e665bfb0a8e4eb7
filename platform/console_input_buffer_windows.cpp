#include "console_input_buffer_windows.h"

#include <array>
#include <ios>

#include "utf8.h"

namespace platform {
namespace {

constexpr char16_t kEndOfInput = 0x1A;

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

ConsoleInputBuffer::ConsoleInputBuffer(HANDLE console) : console_(console) {}

ConsoleInputBuffer::int_type ConsoleInputBuffer::underflow() {
    while (gptr() == egptr() && !ended_) {
        std::array<wchar_t, 1024> units;
        DWORD count = 0;
        if (!ReadConsoleW(console_, units.data(), static_cast<DWORD>(units.size()), &count,
                          nullptr)) {
            // As the streams' own buffers report a failed read: the stream becomes bad.
            throw std::ios_base::failure("the console cannot be read");
        }
        std::u16string read = pending_ + std::u16string(units.begin(), units.begin() + count);
        pending_.clear();
        if (count == 0 || (atLineStart_ && !read.empty() && read.front() == kEndOfInput)) {
            ended_ = true;
            break;
        }
        if (isHighSurrogate(read.back())) {
            pending_ = read.back();
            read.pop_back();
        }
        text_ = toUtf8(read);
        atLineStart_ = text_.ends_with('\n');
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }
    return gptr() == egptr() ? traits_type::eof() : traits_type::to_int_type(*gptr());
}

}  // namespace platform
