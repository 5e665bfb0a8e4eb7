#include "utf8.h"

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
// The lone surrogates that stand for the bytes 0x80 to 0xFF.
constexpr char32_t kFirstKeptByte = 0xDC80;
constexpr char32_t kLastKeptByte = 0xDCFF;

bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The code point of the sequence of `length` bytes at `at`, its form not checked.
char32_t decoded(std::string_view text, std::size_t at, std::size_t length) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        c = (c << 6) | (static_cast<std::uint8_t>(text[at + k]) & 0x3F);
    }
    return c;
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c >= 0x10000) {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(c));
    }
}

// UTF-16 to UTF-8, each lone surrogate as `lone` makes it.
template <typename Lone>
std::string toUtf8With(std::u16string_view text, Lone lone) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool pairs = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
                           text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pairs) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (isSurrogate(c)) {
            c = lone(c);
        }
        appendUtf8(result, c);
    }
    return result;
}

}  // namespace

std::size_t utf8CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || at + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<std::uint8_t>(text[at + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const char32_t c = decoded(text, at, length);
    return c < kSmallest[length] || isSurrogate(c) || c > 0x10FFFF ? 0 : length;
}

std::optional<std::u16string> fromUtf8(std::string_view text) {
    std::u16string result;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8CharacterLength(text, i);
        if (length == 0) {
            return std::nullopt;
        }
        appendUtf16(result, decoded(text, i, length));
        i += length;
    }
    return result;
}

std::string toUtf8(std::u16string_view text) {
    return toUtf8With(text, [](char32_t) { return kReplacement; });
}

std::string toUtf8KeepingBytes(std::u16string_view text) {
    return toUtf8With(text, [](char32_t c) {
        return c >= kFirstKeptByte && c <= kLastKeptByte ? c : kReplacement;
    });
}

std::optional<std::uint8_t> keptByteAt(std::string_view text, std::size_t at) {
    if (at + 3 > text.size() || static_cast<std::uint8_t>(text[at]) != 0xED) {
        return std::nullopt;
    }
    const auto second = static_cast<std::uint8_t>(text[at + 1]);
    const auto third = static_cast<std::uint8_t>(text[at + 2]);
    if ((second != 0xB2 && second != 0xB3) || (third & 0xC0) != 0x80) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(decoded(text, at, 3) - 0xDC00);
}

std::u16string fromUtf8KeepingBytes(std::string_view text) {
    std::u16string result;
    for (std::size_t i = 0; i < text.size();) {
        if (const auto byte = keptByteAt(text, i)) {
            result.push_back(static_cast<char16_t>(0xDC00 + *byte));
            i += 3;
        } else if (const std::size_t length = utf8CharacterLength(text, i); length > 0) {
            appendUtf16(result, decoded(text, i, length));
            i += length;
        } else {
            // Below 0x80 every byte is a character of its own.
            result.push_back(static_cast<char16_t>(0xDC00 + static_cast<std::uint8_t>(text[i])));
            ++i;
        }
    }
    return result;
}

}  // namespace platform
