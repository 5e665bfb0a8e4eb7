#pragma once

#include <string>
#include <variant>

#include "k47_4g_pc.h"

namespace camera {

// The camera library's 21 functions as this process reaches them.
struct LibraryEntryPoints {
    decltype(&::Init_Device) Init_Device;
    decltype(&::Qumat_Login) Qumat_Login;
    decltype(&::Qumat_Get4GDevOrNot) Qumat_Get4GDevOrNot;
    decltype(&::GetZFYInfo) GetZFYInfo;
    decltype(&::WriteZFYInfo) WriteZFYInfo;
    decltype(&::Qumat_GetNetConfig) Qumat_GetNetConfig;
    decltype(&::Qumat_SetNetConfig) Qumat_SetNetConfig;
    decltype(&::Qumat_ApnUser) Qumat_ApnUser;
    decltype(&::Qumat_ApnPsw) Qumat_ApnPsw;
    decltype(&::Qumat_SN_Info) Qumat_SN_Info;
    decltype(&::Qumat_GetMenuConfig) Qumat_GetMenuConfig;
    decltype(&::Qumat_SetMenuConfig) Qumat_SetMenuConfig;
    decltype(&::Qumat_GetPsw) Qumat_GetPsw;
    decltype(&::Qumat_ChangePsw) Qumat_ChangePsw;
    decltype(&::Qumat_GetTFVol) Qumat_GetTFVol;
    decltype(&::Qumat_GetFwVersion) Qumat_GetFwVersion;
    decltype(&::ReadDeviceResolution) ReadDeviceResolution;
    decltype(&::SyncDevTime) SyncDevTime;
    decltype(&::SetMSDC) SetMSDC;
    decltype(&::Qumat_FormatTFCard) Qumat_FormatTFCard;
    decltype(&::Qumat_SetDefault) Qumat_SetDefault;
};

// On Linux the functions the program links (the loader has found the library before main); on
// Windows those of k47_4g_pc.dll, loaded from the program's folder, else from the library search
// path. When there is none to be had, why, in one line that names the files looked for and the
// architecture the program needs.
std::variant<LibraryEntryPoints, std::string> findLibraryEntryPoints();

}  // namespace camera
