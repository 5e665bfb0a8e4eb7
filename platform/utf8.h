#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Between UTF-8, the text of arguments, files and output, and the UTF-16 of window text.
// Nothing when the bytes are not well-formed UTF-8.
std::optional<std::u16string> fromUtf8(std::string_view text);
// A surrogate without its partner becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// The bytes of the well-formed UTF-8 character that starts at `at` of `text`; 0 when none does.
std::size_t utf8CharacterLength(std::string_view text, std::size_t at);

// Camera text between UTF-16 and UTF-8, keeping the bytes its code page cannot decode, which
// decodeAnsi gives as lone surrogates U+DC80 to U+DCFF: in UTF-8 each is written as the three
// bytes it would have as a character (ED B2 80 to ED B3 BF), which no UTF-8 text holds, so that a
// text read goes back to the camera as it came. Back from UTF-8, such a sequence, or a byte that
// starts no UTF-8 character (a profile's \x93), becomes the surrogate of its byte.
std::string toUtf8KeepingBytes(std::u16string_view text);
std::u16string fromUtf8KeepingBytes(std::string_view text);

// The camera's byte kept as above, when one starts at `at` of `text`: it takes three bytes there.
std::optional<std::uint8_t> keptByteAt(std::string_view text, std::size_t at);

// The text without the byte-order mark that editors on the desktop platform start a UTF-8 file
// with.
inline std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return text.starts_with(kMark) ? text.substr(kMark.size()) : text;
}

}  // namespace platform
