#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "k47_4g_pc.h"
#include "library_lookup.h"

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

// Gives each entry point the address `symbol` gives for its function's name (null for none);
// the names of those left null, in the library's order.
std::vector<std::string> resolveEntryPoints(LibraryEntryPoints& points,
                                            const std::function<void*(const char* name)>& symbol);

struct FoundLibrary {
    LibraryLookup lookup;
    // Every function, when the library has them all.
    std::optional<LibraryEntryPoints> entryPoints;
};

// The camera library loaded, and what was found: on Linux libk47_4g_pc.so where the loader finds
// it (LD_LIBRARY_PATH, then the program's run path, then the system's folders); on Windows
// k47_4g_pc.dll from the program's folder, else from the library search path. A library that
// lacks a function is let go again.
FoundLibrary findLibrary();

}  // namespace camera
