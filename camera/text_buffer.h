#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "code_page.h"
#include "text_field.h"

namespace camera {

// How window text goes into a buffer: not at all (the camera's own texts), its first bytes, or
// as many bytes as the window text has characters.
enum class TextWriteRule { readOnly, firstBytes, bytePerCharacter };

// A zero-ended text buffer that the camera library fills or reads through its address. Reads
// stop at the buffer's end; writes leave the last byte zero.
template <std::size_t Width, TextWriteRule Rule>
class TextBuffer {
  public:
    static_assert(Width > 1);

    char* data() { return reinterpret_cast<char*>(bytes_.data()); }
    const char* data() const { return reinterpret_cast<const char*>(bytes_.data()); }
    std::span<std::uint8_t, Width> bytes() { return bytes_; }
    std::span<const std::uint8_t, Width> bytes() const { return bytes_; }

    std::u16string text() const { return platform::decodeAnsi(bytes_); }
    // Whether the camera ended the text with a zero byte before the buffer's end.
    bool terminated() const { return textLength(bytes_) < Width; }

    void write(std::u16string_view text) requires(Rule != TextWriteRule::readOnly) {
        const std::size_t count = Rule == TextWriteRule::firstBytes ? Width - 1 : text.size();
        writeTextField(bytes_, text, std::min(count, Width - 1));
    }

  private:
    std::array<std::uint8_t, Width> bytes_{};
};

// The APN user and the APN password.
using ApnText = TextBuffer<33, TextWriteRule::bytePerCharacter>;
using SerialNumberBuffer = TextBuffer<16, TextWriteRule::bytePerCharacter>;
// Six password bytes and a zero byte.
using PasswordBuffer = TextBuffer<7, TextWriteRule::firstBytes>;
// The firmware version and the memory-card capacity, shown as the camera words them.
using StatusText = TextBuffer<64, TextWriteRule::readOnly>;

// When the window opens, a serial number starting with a zero byte, a space or 0xFF is blank.
inline std::u16string serialNumberTextAtSetUp(const SerialNumberBuffer& buffer) {
    const std::uint8_t first = buffer.bytes().front();
    return first == 0 || first == ' ' || first == 0xFF ? std::u16string() : buffer.text();
}

}  // namespace camera
