// The camera library's C functions: a thin layer over one emulated camera for the whole process.
#include "k47_4g_pc.h"

#include "emulated_camera.h"
#include "environment_paths.h"

namespace {

k47::EmulatedCamera& camera() {
    static k47::EmulatedCamera instance(k47::stateFilePath(), k47::journalFilePath());
    return instance;
}

// No exception may cross into the caller's C code: a call that throws has failed.
template <typename Call>
void guarded(int32_t* flag, Call call) {
    try {
        call(camera());
    } catch (...) {
        if (flag != nullptr) {
            *flag = 0;
        }
    }
}

}  // namespace

extern "C" {

void Init_Device(uint8_t* buffer, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.Init_Device(buffer, flag); });
}
void Qumat_Login(int32_t user_type, const char* password, int32_t* flag) {
    guarded(flag,
            [&](k47::EmulatedCamera& camera) { camera.Qumat_Login(user_type, password, flag); });
}
void Qumat_Get4GDevOrNot(int32_t* answer) {
    guarded(nullptr, [&](k47::EmulatedCamera& camera) { camera.Qumat_Get4GDevOrNot(answer); });
}
void GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.GetZFYInfo(record, password, flag); });
}
void WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag) {
    guarded(flag,
            [&](k47::EmulatedCamera& camera) { camera.WriteZFYInfo(record, password, flag); });
}
void Qumat_GetNetConfig(uint8_t* record, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.Qumat_GetNetConfig(record, flag); });
}
void Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.Qumat_SetNetConfig(record, flag); });
}
void Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) {
    guarded(flag,
            [&](k47::EmulatedCamera& camera) { camera.Qumat_ApnUser(direction, text, flag); });
}
void Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.Qumat_ApnPsw(direction, text, flag); });
}
void Qumat_SN_Info(int32_t direction, char* serial_number, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) {
        camera.Qumat_SN_Info(direction, serial_number, flag);
    });
}
void Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) {
    guarded(flag,
            [&](k47::EmulatedCamera& camera) { camera.Qumat_GetMenuConfig(record, size, flag); });
}
void Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) {
    guarded(flag,
            [&](k47::EmulatedCamera& camera) { camera.Qumat_SetMenuConfig(record, size, flag); });
}
void Qumat_GetPsw(int32_t user_type, char* password, int32_t* flag) {
    guarded(flag,
            [&](k47::EmulatedCamera& camera) { camera.Qumat_GetPsw(user_type, password, flag); });
}
void Qumat_ChangePsw(int32_t user_type, const char* password, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) {
        camera.Qumat_ChangePsw(user_type, password, flag);
    });
}
void Qumat_GetTFVol(char* text, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.Qumat_GetTFVol(text, flag); });
}
void Qumat_GetFwVersion(char* text, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.Qumat_GetFwVersion(text, flag); });
}
void ReadDeviceResolution(int32_t* width, int32_t* height, const char* password, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) {
        camera.ReadDeviceResolution(width, height, password, flag);
    });
}
void SyncDevTime(const char* password, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.SyncDevTime(password, flag); });
}
void SetMSDC(const char* password, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.SetMSDC(password, flag); });
}
void Qumat_FormatTFCard(const char* password, int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.Qumat_FormatTFCard(password, flag); });
}
void Qumat_SetDefault(int32_t* flag) {
    guarded(flag, [&](k47::EmulatedCamera& camera) { camera.Qumat_SetDefault(flag); });
}

}  // extern "C"
