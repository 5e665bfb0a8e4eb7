#pragma once

#include "camera_library.h"

namespace camera {

// The production camera library: each call goes straight to the shared library's C function.
class LibraryFunctions final : public CameraLibrary {
  public:
    void Init_Device(uint8_t* buffer, int32_t* flag) override;
    void Qumat_Login(int32_t userType, const char* password, int32_t* flag) override;
    void Qumat_Get4GDevOrNot(int32_t* answer) override;
    void GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) override;
    void WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag) override;
    void Qumat_GetNetConfig(uint8_t* record, int32_t* flag) override;
    void Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) override;
    void Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) override;
    void Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) override;
    void Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) override;
    void Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) override;
    void Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) override;
    void Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) override;
    void Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) override;
    void Qumat_GetTFVol(char* text, int32_t* flag) override;
    void Qumat_GetFwVersion(char* text, int32_t* flag) override;
    void ReadDeviceResolution(int32_t* width, int32_t* height, const char* password,
                              int32_t* flag) override;
    void SyncDevTime(const char* password, int32_t* flag) override;
    void SetMSDC(const char* password, int32_t* flag) override;
    void Qumat_FormatTFCard(const char* password, int32_t* flag) override;
    void Qumat_SetDefault(int32_t* flag) override;
};

}  // namespace camera
