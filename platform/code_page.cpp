#include "code_page.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {
namespace {

constexpr const char* kWindowText =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

constexpr std::array kAnsiCodePages{874,  932,  936,  949,  950,  1250, 1251,
                                    1252, 1253, 1254, 1255, 1256, 1257, 1258};

constexpr std::array<std::string_view, 12> kCyrillicLanguages{"ru", "uk", "be", "bg", "sr", "mk",
                                                              "kk", "ky", "tg", "tt", "ba", "mn"};

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

CodePage localeCodePage() {
    std::string_view locale = environment("LC_ALL");
    if (locale.empty()) {
        locale = environment("LC_CTYPE");
    }
    if (locale.empty()) {
        locale = environment("LANG");
    }
    if (locale.find("@latin") != std::string_view::npos) {
        return CodePage::western;
    }
    std::string language(locale.substr(0, locale.find_first_of("_.@")));
    std::ranges::transform(language, language.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::ranges::find(kCyrillicLanguages, language) != kCyrillicLanguages.end()
               ? CodePage::cyrillic
               : CodePage::western;
}

using Descriptor = std::unique_ptr<void, int (*)(iconv_t)>;

Descriptor openConversion(const std::string& to, const std::string& from) {
    iconv_t descriptor = iconv_open(to.c_str(), from.c_str());
    return Descriptor(descriptor == reinterpret_cast<iconv_t>(-1) ? nullptr : descriptor,
                      &iconv_close);
}

std::string iconvName(CodePage codePage) {
    return "CP" + std::to_string(static_cast<int>(codePage));
}

enum class Stop { end, unconvertible };

// Converts `input` into `output` until its end or until a sequence the conversion cannot take;
// `input` is left at that sequence.
Stop convert(iconv_t descriptor, std::string_view& input, std::string& output) {
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::array<char, 256> chunk;
    for (;;) {
        char* out = chunk.data();
        std::size_t outLeft = chunk.size();
        // Once the input is used up, a call without input flushes a character held back by a
        // code page that combines characters.
        const bool flushing = inLeft == 0;
        const std::size_t result = flushing ? iconv(descriptor, nullptr, nullptr, &out, &outLeft)
                                            : iconv(descriptor, &in, &inLeft, &out, &outLeft);
        output.append(chunk.data(), out);
        if (result != static_cast<std::size_t>(-1)) {
            if (flushing) {
                input = {};
                return Stop::end;
            }
        } else if (errno != E2BIG) {
            input = std::string_view(in, inLeft);
            return Stop::unconvertible;
        }
    }
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

CodePage ansiCodePage() {
    const std::string_view override = environment("QUMAT_ANSI_CODE_PAGE");
    int number = 0;
    const auto [end, error] =
        std::from_chars(override.data(), override.data() + override.size(), number);
    if (error == std::errc() && end == override.data() + override.size() &&
        std::ranges::find(kAnsiCodePages, number) != kAnsiCodePages.end()) {
        return CodePage{number};
    }
    return localeCodePage();
}

std::string encodeAnsi(std::u16string_view text, CodePage codePage) {
    const Descriptor descriptor = openConversion(iconvName(codePage), kWindowText);
    if (!descriptor) {
        return std::string(text.size(), '?');
    }
    std::string_view input(reinterpret_cast<const char*>(text.data()),
                           text.size() * sizeof(char16_t));
    std::string output;
    while (convert(descriptor.get(), input, output) == Stop::unconvertible) {
        output.push_back('?');
        // Skip the whole character: a surrogate pair is one character, a lone surrogate is one.
        const std::size_t at = text.size() - input.size() / sizeof(char16_t);
        const bool pair =
            at + 1 < text.size() && isHighSurrogate(text[at]) && isLowSurrogate(text[at + 1]);
        input.remove_prefix(std::min(input.size(), (pair ? 2 : 1) * sizeof(char16_t)));
    }
    return output;
}

std::u16string decodeAnsi(std::span<const std::uint8_t> bytes, CodePage codePage) {
    const auto textEnd = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    std::string_view input(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<std::size_t>(textEnd - bytes.begin()));
    if (input.empty()) {
        return {};
    }
    const Descriptor descriptor = openConversion(kWindowText, iconvName(codePage));
    std::string output;
    if (!descriptor || convert(descriptor.get(), input, output) != Stop::end) {
        return {};
    }
    std::u16string text(output.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), output.data(), text.size() * sizeof(char16_t));
    return text;
}

}  // namespace platform
