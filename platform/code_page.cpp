#include "code_page.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "environment.h"

namespace platform {
namespace {

constexpr std::array kAnsiCodePages{874,  932,  936,  949,  950,  1250, 1251,
                                    1252, 1253, 1254, 1255, 1256, 1257, 1258};

}  // namespace

CodePage ansiCodePage() {
    const std::string override = environmentText("QUMAT_ANSI_CODE_PAGE").value_or("");
    int number = 0;
    const auto [end, error] =
        std::from_chars(override.data(), override.data() + override.size(), number);
    if (error == std::errc() && end == override.data() + override.size() &&
        std::ranges::find(kAnsiCodePages, number) != kAnsiCodePages.end()) {
        return CodePage{number};
    }
    return systemCodePage();
}

}  // namespace platform
