#include "code_page.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>

namespace platform {
namespace {

constexpr std::array kAnsiCodePages{874,  932,  936,  949,  950,  1250, 1251,
                                    1252, 1253, 1254, 1255, 1256, 1257, 1258};

}  // namespace

CodePage ansiCodePage() {
    const char* variable = std::getenv("QUMAT_ANSI_CODE_PAGE");
    const std::string_view override = variable == nullptr ? std::string_view() : variable;
    int number = 0;
    const auto [end, error] =
        std::from_chars(override.data(), override.data() + override.size(), number);
    if (error == std::errc() && end == override.data() + override.size() &&
        std::ranges::find(kAnsiCodePages, number) != kAnsiCodePages.end()) {
        return CodePage{number};
    }
    return systemCodePage();
}

std::optional<std::string> encodeAnsiExactly(std::u16string_view text, CodePage codePage) {
    std::string bytes = encodeAnsi(text, codePage);
    const auto back = decodeAnsi(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), codePage);
    return back == text ? std::optional(std::move(bytes)) : std::nullopt;
}

}  // namespace platform
