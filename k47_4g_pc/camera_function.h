#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace k47 {

// The library's functions, named as the library names them; the state file's fault switches and
// the call journal refer to them by these names.
enum class Function {
    Init_Device,
    Qumat_Login,
    Qumat_Get4GDevOrNot,
    GetZFYInfo,
    WriteZFYInfo,
    Qumat_GetNetConfig,
    Qumat_SetNetConfig,
    Qumat_ApnUser,
    Qumat_ApnPsw,
    Qumat_SN_Info,
    Qumat_GetMenuConfig,
    Qumat_SetMenuConfig,
    Qumat_GetPsw,
    Qumat_ChangePsw,
    Qumat_GetTFVol,
    Qumat_GetFwVersion,
    ReadDeviceResolution,
    SyncDevTime,
    SetMSDC,
    Qumat_FormatTFCard,
    Qumat_SetDefault,
};

constexpr std::size_t kFunctionCount = 21;

const std::array<Function, kFunctionCount>& allFunctions();
std::string_view functionName(Function function);
// Matches names regardless of case, so that a hand-edited state file may write "getzfyinfo".
std::optional<Function> functionNamed(std::string_view name);

}  // namespace k47
