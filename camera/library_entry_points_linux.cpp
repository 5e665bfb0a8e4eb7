#include "library_entry_points.h"

namespace camera {

std::variant<LibraryEntryPoints, std::string> findLibraryEntryPoints() {
    return LibraryEntryPoints{
        .Init_Device = &::Init_Device,
        .Qumat_Login = &::Qumat_Login,
        .Qumat_Get4GDevOrNot = &::Qumat_Get4GDevOrNot,
        .GetZFYInfo = &::GetZFYInfo,
        .WriteZFYInfo = &::WriteZFYInfo,
        .Qumat_GetNetConfig = &::Qumat_GetNetConfig,
        .Qumat_SetNetConfig = &::Qumat_SetNetConfig,
        .Qumat_ApnUser = &::Qumat_ApnUser,
        .Qumat_ApnPsw = &::Qumat_ApnPsw,
        .Qumat_SN_Info = &::Qumat_SN_Info,
        .Qumat_GetMenuConfig = &::Qumat_GetMenuConfig,
        .Qumat_SetMenuConfig = &::Qumat_SetMenuConfig,
        .Qumat_GetPsw = &::Qumat_GetPsw,
        .Qumat_ChangePsw = &::Qumat_ChangePsw,
        .Qumat_GetTFVol = &::Qumat_GetTFVol,
        .Qumat_GetFwVersion = &::Qumat_GetFwVersion,
        .ReadDeviceResolution = &::ReadDeviceResolution,
        .SyncDevTime = &::SyncDevTime,
        .SetMSDC = &::SetMSDC,
        .Qumat_FormatTFCard = &::Qumat_FormatTFCard,
        .Qumat_SetDefault = &::Qumat_SetDefault,
    };
}

}  // namespace camera
