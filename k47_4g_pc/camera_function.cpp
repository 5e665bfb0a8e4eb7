#include "camera_function.h"

#include <algorithm>
#include <cctype>

namespace k47 {
namespace {

constexpr std::array<std::string_view, kFunctionCount> kNames = {
    "Init_Device",
    "Qumat_Login",
    "Qumat_Get4GDevOrNot",
    "GetZFYInfo",
    "WriteZFYInfo",
    "Qumat_GetNetConfig",
    "Qumat_SetNetConfig",
    "Qumat_ApnUser",
    "Qumat_ApnPsw",
    "Qumat_SN_Info",
    "Qumat_GetMenuConfig",
    "Qumat_SetMenuConfig",
    "Qumat_GetPsw",
    "Qumat_ChangePsw",
    "Qumat_GetTFVol",
    "Qumat_GetFwVersion",
    "ReadDeviceResolution",
    "SyncDevTime",
    "SetMSDC",
    "Qumat_FormatTFCard",
    "Qumat_SetDefault",
};

constexpr std::array<Function, kFunctionCount> makeAllFunctions() {
    std::array<Function, kFunctionCount> functions{};
    for (std::size_t index = 0; index < kFunctionCount; ++index) {
        functions[index] = static_cast<Function>(index);
    }
    return functions;
}

}  // namespace

const std::array<Function, kFunctionCount>& allFunctions() {
    static constexpr auto functions = makeAllFunctions();
    return functions;
}

std::string_view functionName(Function function) {
    return kNames.at(static_cast<std::size_t>(function));
}

std::optional<Function> functionNamed(std::string_view name) {
    const auto sameIgnoringCase = [name](std::string_view candidate) {
        return std::ranges::equal(candidate, name, [](unsigned char a, unsigned char b) {
            return std::tolower(a) == std::tolower(b);
        });
    };
    const auto found = std::ranges::find_if(kNames, sameIgnoringCase);
    if (found == kNames.end()) {
        return std::nullopt;
    }
    return static_cast<Function>(found - kNames.begin());
}

}  // namespace k47
