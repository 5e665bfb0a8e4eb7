#include <windows.h>

#include <algorithm>

#include "code_page.h"

namespace platform {
namespace {

// The lone surrogates that stand for the bytes 0x80 to 0xFF a code page could not decode.
constexpr char16_t kFirstKeptByte = 0xDC80;
constexpr char16_t kLastKeptByte = 0xDCFF;

bool isKeptByte(std::u16string_view text, std::size_t at) {
    const bool afterHighSurrogate = at > 0 && text[at - 1] >= 0xD800 && text[at - 1] <= 0xDBFF;
    return text[at] >= kFirstKeptByte && text[at] <= kLastKeptByte && !afterHighSurrogate;
}

// The bytes of `text` with `flags`; whether the default character stood in for one, in
// `usedDefault` when it is given.
std::string encoded(std::u16string_view text, UINT codePage, DWORD flags, BOOL* usedDefault) {
    if (text.empty()) {
        return {};
    }
    const auto units = static_cast<int>(text.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size =
        WideCharToMultiByte(codePage, flags, wide, units, nullptr, 0, nullptr, usedDefault);
    std::string bytes(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(codePage, flags, wide, units, bytes.data(), size, nullptr, usedDefault);
    return bytes;
}

// `text` in the code page, each kept byte as itself and the rest as `flags` convert it; whether
// the default character stood in for one goes to `usedDefault` when it is given.
std::string withKeptBytes(std::u16string_view text, UINT codePage, DWORD flags, BOOL* usedDefault) {
    std::string bytes;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && !isKeptByte(text, at)) {
            continue;
        }
        BOOL defaulted = FALSE;
        bytes += encoded(text.substr(start, at - start), codePage, flags,
                         usedDefault != nullptr ? &defaulted : nullptr);
        if (usedDefault != nullptr && defaulted) {
            *usedDefault = TRUE;
        }
        if (at < text.size()) {
            bytes.push_back(static_cast<char>(text[at] - kFirstKeptByte + 0x80));
        }
        start = at + 1;
    }
    return bytes;
}

// The bytes the character of a double-byte code page at `at` takes, and its text; no text when
// the platform cannot decode the bytes there.
struct Character {
    int bytes = 1;
    std::u16string text;
};

std::u16string decoded(const char* narrow, int count, UINT codePage, DWORD flags) {
    wchar_t units[2];
    const int size = MultiByteToWideChar(codePage, flags, narrow, count, units, 2);
    return std::u16string(reinterpret_cast<const char16_t*>(units),
                          static_cast<std::size_t>(std::max(size, 0)));
}

Character characterAt(const char* narrow, int length, int at, UINT codePage,
                      char16_t defaultCharacter) {
    const bool lead = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(narrow[at])) != 0;
    for (const int count : {lead && at + 1 < length ? 2 : 1, 1}) {
        if (auto text = decoded(narrow + at, count, codePage, MB_ERR_INVALID_CHARS);
            !text.empty()) {
            return {.bytes = count, .text = std::move(text)};
        }
    }
    // A byte the platform's table still maps to a character of its own (code page 936's 0xFF to
    // a private-use one) is that character; what it only stands in for is kept.
    auto text = decoded(narrow + at, 1, codePage, 0);
    if (text == std::u16string(1, defaultCharacter)) {
        text.clear();
    }
    return {.bytes = 1, .text = std::move(text)};
}

}  // namespace

CodePage systemCodePage() {
    DWORD number = 0;
    // What CP_THREAD_ACP stands for, as a number the caller can keep and pass on.
    if (GetLocaleInfoW(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&number), sizeof number / sizeof(WCHAR)) == 0) {
        return CodePage{static_cast<int>(GetACP())};
    }
    return CodePage{static_cast<int>(number)};
}

void setFallbackCodePage(CodePage) {}

std::string encodeAnsi(std::u16string_view text, CodePage codePage) {
    // No flags: the platform's best-fit letters and its "?" for what the code page lacks.
    return withKeptBytes(text, static_cast<UINT>(codePage), 0, nullptr);
}

// Without best fits, and told when the default character stood in for one the code page lacks.
std::optional<std::string> encodeAnsiExactly(std::u16string_view text, CodePage codePage) {
    // A zero character would end the text where the camera reads it.
    if (text.find(u'\0') != std::u16string_view::npos) {
        return std::nullopt;
    }
    BOOL usedDefault = FALSE;
    std::string bytes =
        withKeptBytes(text, static_cast<UINT>(codePage), WC_NO_BEST_FIT_CHARS, &usedDefault);
    if (usedDefault || bytes.empty() != text.empty()) {
        return std::nullopt;
    }
    bool keepsBytes = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        keepsBytes = keepsBytes || isKeptByte(text, at);
    }
    if (!keepsBytes) {
        return bytes;
    }
    // A kept byte may join the bytes beside it into another character.
    const auto back = decodeAnsi(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), codePage);
    return back == text ? std::optional(std::move(bytes)) : std::nullopt;
}

std::u16string decodeAnsi(std::span<const std::uint8_t> bytes, CodePage codePage) {
    const auto textEnd = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    const auto length = static_cast<int>(textEnd - bytes.begin());
    if (length == 0) {
        return {};
    }
    const auto number = static_cast<UINT>(codePage);
    const auto* narrow = reinterpret_cast<const char*>(bytes.data());
    CPINFOEXW info{};
    const bool doubleByte = GetCPInfoExW(number, 0, &info) && info.MaxCharSize > 1;
    // A single-byte code page's own table decodes every byte (an undefined one as the control
    // character of its number); a double-byte one fails a sequence it cannot decode.
    if (!doubleByte ||
        MultiByteToWideChar(number, MB_ERR_INVALID_CHARS, narrow, length, nullptr, 0) > 0) {
        const int size = MultiByteToWideChar(number, 0, narrow, length, nullptr, 0);
        std::u16string text(static_cast<std::size_t>(std::max(size, 0)), u'\0');
        MultiByteToWideChar(number, 0, narrow, length, reinterpret_cast<wchar_t*>(text.data()),
                            size);
        return text;
    }
    // A character at a time, each byte that starts none kept as its lone surrogate.
    std::u16string text;
    for (int at = 0; at < length;) {
        const Character found =
            characterAt(narrow, length, at, number, static_cast<char16_t>(info.UnicodeDefaultChar));
        if (found.text.empty()) {
            text.push_back(static_cast<char16_t>(0xDC00 + static_cast<BYTE>(narrow[at])));
            ++at;
        } else {
            text += found.text;
            at += found.bytes;
        }
    }
    return text;
}

}  // namespace platform
