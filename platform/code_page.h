#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// The system cannot convert text at all (out of memory, or its conversions missing): no text can
// be taken or given right, so the run stops.
class ConversionUnavailable : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A Windows ANSI code page by its number: the two the locale chooses from, or any other as
// CodePage{936}.
enum class CodePage : int { cyrillic = 1251, western = 1252 };

// The process's ANSI code page: the one QUMAT_ANSI_CODE_PAGE names when it is a Windows ANSI code
// page (874, 932, 936, 949, 950, 1250 to 1258), else the system's. The programs refuse to start
// when the variable is set to anything else (codePageVariableRefusal).
CodePage ansiCodePage();

// Why QUMAT_ANSI_CODE_PAGE cannot be used, naming the values it takes; nothing when it is unset
// or names one of the code pages above. A mistyped value ("cp1251", "65001", empty) must not pass
// for the system's code page, in which the camera's texts would silently change.
std::optional<std::string> codePageVariableRefusal();

// The system's code page. On Windows the thread's ANSI code page. On Linux the locale's (LC_ALL,
// LC_CTYPE or LANG, the first one set): 1251 for a Cyrillic language, 1252 for any other, and the
// fallback code page for a locale that names no language (C, POSIX, C.UTF-8 or none at all).
CodePage systemCodePage();

// The code page for a Linux locale that names no language, a common default on servers: 1252
// unless the program, knowing its language, says otherwise. Windows always has a code page of its
// own, so there this changes nothing.
void setFallbackCodePage(CodePage codePage);

// Window text in the code page. Never fails on a text (only ConversionUnavailable): a character the
// code page lacks becomes its base letter when it is a letter with diacritics whose base letter the
// code page has, its ASCII character when it is a full-width form, and otherwise one "?" per code
// unit (a surrogate pair gives "??"). A control character U+0080 to U+009F that stands for a byte a
// single-byte code page leaves undefined, and a lone surrogate U+DC80 to U+DCFF, become their bytes
// again.
std::string encodeAnsi(std::u16string_view text, CodePage codePage = ansiCodePage());

// The text in the code page when every character has its own place there, so that it reads
// back as it was; nothing when one would be replaced or lost (a character the code page lacks,
// a zero character).
std::optional<std::string> encodeAnsiExactly(std::u16string_view text, CodePage codePage);

// Code-page text as window text: the bytes up to the first zero byte, or all of them when there
// is none. A byte 0x80 to 0x9F that a single-byte code page leaves undefined becomes the control
// character of its number; any other byte the code page cannot decode, alone or as the start of a
// sequence, becomes the lone surrogate U+DC80 to U+DCFF of its byte (which shows as U+FFFD), and
// decoding goes on after it. Either way the byte is not lost.
std::u16string decodeAnsi(std::span<const std::uint8_t> bytes, CodePage codePage = ansiCodePage());

}  // namespace platform
