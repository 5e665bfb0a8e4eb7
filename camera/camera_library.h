#pragma once

#include <cstdint>

namespace camera {

// The camera library as the windows see it: one call per library function, with the same
// arguments. Production forwards to the shared library; tests put an emulated camera behind it.
class CameraLibrary {
  public:
    virtual ~CameraLibrary() = default;

    virtual void Init_Device(uint8_t* buffer, int32_t* flag) = 0;
    virtual void Qumat_Login(int32_t userType, const char* password, int32_t* flag) = 0;
    virtual void Qumat_Get4GDevOrNot(int32_t* answer) = 0;
    virtual void GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) = 0;
    virtual void WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag) = 0;
    virtual void Qumat_GetNetConfig(uint8_t* record, int32_t* flag) = 0;
    virtual void Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) = 0;
    virtual void Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) = 0;
    virtual void Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) = 0;
    virtual void Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) = 0;
    virtual void Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) = 0;
    virtual void Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) = 0;
    virtual void Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) = 0;
    virtual void Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) = 0;
    virtual void Qumat_GetTFVol(char* text, int32_t* flag) = 0;
    virtual void Qumat_GetFwVersion(char* text, int32_t* flag) = 0;
    virtual void ReadDeviceResolution(int32_t* width, int32_t* height, const char* password,
                                      int32_t* flag) = 0;
    virtual void SyncDevTime(const char* password, int32_t* flag) = 0;
    virtual void SetMSDC(const char* password, int32_t* flag) = 0;
    virtual void Qumat_FormatTFCard(const char* password, int32_t* flag) = 0;
    virtual void Qumat_SetDefault(int32_t* flag) = 0;
};

}  // namespace camera
