#include "code_page.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "environment.h"

namespace platform {
namespace {

constexpr std::array kAnsiCodePages{874,  932,  936,  949,  950,  1250, 1251,
                                    1252, 1253, 1254, 1255, 1256, 1257, 1258};

constexpr const char* kVariable = "QUMAT_ANSI_CODE_PAGE";

// The code page `text` names: exactly the number, without blanks, signs or leading zeros.
std::optional<CodePage> codePageNamed(const std::string& text) {
    const auto found = std::ranges::find_if(
        kAnsiCodePages, [&](int number) { return std::to_string(number) == text; });
    return found == kAnsiCodePages.end() ? std::nullopt : std::optional(CodePage{*found});
}

// The value as the message quotes it: a byte that is no printable ASCII as \xHH, so that the
// value can neither drive the terminal nor hide what it is.
std::string quoted(const std::string& value) {
    std::string text = "'";
    for (const char c : value) {
        if (c >= ' ' && c <= '~' && c != '\\') {
            text += c;
            continue;
        }
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
        text += escape;
    }
    return text + "'";
}

}  // namespace

CodePage ansiCodePage() {
    const auto named = codePageNamed(environmentText(kVariable).value_or(""));
    return named ? *named : systemCodePage();
}

std::optional<std::string> codePageVariableRefusal() {
    const auto value = environmentText(kVariable);
    if (!value || codePageNamed(*value)) {
        return std::nullopt;
    }
    return std::string(kVariable) + "=" + quoted(*value) +
           " names no ANSI code page: it takes 874, 932, 936, 949, 950 or 1250 to 1258; unset it "
           "for the system's own";
}

}  // namespace platform
