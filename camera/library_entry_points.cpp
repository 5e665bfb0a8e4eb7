#include "library_entry_points.h"

namespace camera {
namespace {

template <typename Function>
void resolve(const char* name, Function& function,
             const std::function<void*(const char* name)>& symbol,
             std::vector<std::string>& missing) {
    function = reinterpret_cast<Function>(symbol(name));
    if (function == nullptr) {
        missing.emplace_back(name);
    }
}

}  // namespace

std::vector<std::string> resolveEntryPoints(LibraryEntryPoints& points,
                                            const std::function<void*(const char* name)>& symbol) {
    std::vector<std::string> missing;
    resolve("Init_Device", points.Init_Device, symbol, missing);
    resolve("Qumat_Login", points.Qumat_Login, symbol, missing);
    resolve("Qumat_Get4GDevOrNot", points.Qumat_Get4GDevOrNot, symbol, missing);
    resolve("GetZFYInfo", points.GetZFYInfo, symbol, missing);
    resolve("WriteZFYInfo", points.WriteZFYInfo, symbol, missing);
    resolve("Qumat_GetNetConfig", points.Qumat_GetNetConfig, symbol, missing);
    resolve("Qumat_SetNetConfig", points.Qumat_SetNetConfig, symbol, missing);
    resolve("Qumat_ApnUser", points.Qumat_ApnUser, symbol, missing);
    resolve("Qumat_ApnPsw", points.Qumat_ApnPsw, symbol, missing);
    resolve("Qumat_SN_Info", points.Qumat_SN_Info, symbol, missing);
    resolve("Qumat_GetMenuConfig", points.Qumat_GetMenuConfig, symbol, missing);
    resolve("Qumat_SetMenuConfig", points.Qumat_SetMenuConfig, symbol, missing);
    resolve("Qumat_GetPsw", points.Qumat_GetPsw, symbol, missing);
    resolve("Qumat_ChangePsw", points.Qumat_ChangePsw, symbol, missing);
    resolve("Qumat_GetTFVol", points.Qumat_GetTFVol, symbol, missing);
    resolve("Qumat_GetFwVersion", points.Qumat_GetFwVersion, symbol, missing);
    resolve("ReadDeviceResolution", points.ReadDeviceResolution, symbol, missing);
    resolve("SyncDevTime", points.SyncDevTime, symbol, missing);
    resolve("SetMSDC", points.SetMSDC, symbol, missing);
    resolve("Qumat_FormatTFCard", points.Qumat_FormatTFCard, symbol, missing);
    resolve("Qumat_SetDefault", points.Qumat_SetDefault, symbol, missing);
    return missing;
}

}  // namespace camera
