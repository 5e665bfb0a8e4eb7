#include <windows.h>

#include <algorithm>

#include "code_page.h"

namespace platform {

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
    if (text.empty()) {
        return {};
    }
    // No flags: the platform's best-fit letters and its "?" for what the code page lacks.
    const auto units = static_cast<int>(text.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = WideCharToMultiByte(static_cast<UINT>(codePage), 0, wide, units, nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(static_cast<UINT>(codePage), 0, wide, units, bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

// Without best fits, and told when the default character stood in for one the code page lacks.
std::optional<std::string> encodeAnsiExactly(std::u16string_view text, CodePage codePage) {
    // A zero character would end the text where the camera reads it.
    if (text.find(u'\0') != std::u16string_view::npos) {
        return std::nullopt;
    }
    if (text.empty()) {
        return std::string();
    }
    const auto units = static_cast<int>(text.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const auto number = static_cast<UINT>(codePage);
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(number, WC_NO_BEST_FIT_CHARS, wide, units, nullptr, 0,
                                         nullptr, &usedDefault);
    if (size <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(number, WC_NO_BEST_FIT_CHARS, wide, units, bytes.data(), size, nullptr,
                        &usedDefault);
    return usedDefault ? std::nullopt : std::optional(std::move(bytes));
}

std::u16string decodeAnsi(std::span<const std::uint8_t> bytes, CodePage codePage) {
    const auto textEnd = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    const auto length = static_cast<int>(textEnd - bytes.begin());
    if (length == 0) {
        return {};
    }
    const auto* narrow = reinterpret_cast<const char*>(bytes.data());
    const int size =
        MultiByteToWideChar(static_cast<UINT>(codePage), 0, narrow, length, nullptr, 0);
    std::u16string text(static_cast<std::size_t>(std::max(size, 0)), u'\0');
    MultiByteToWideChar(static_cast<UINT>(codePage), 0, narrow, length,
                        reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}

}  // namespace platform
