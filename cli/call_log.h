#pragma once

#include <string_view>
#include <vector>

#include "camera_library.h"

namespace cli {

// Passes every call on and keeps the names of those the camera failed (flag 0), so that a
// command can name the call, even where the group classes do not look at its flag (the APN
// texts, the card format, the menu's second write).
class CallLog final : public camera::CameraLibrary {
  public:
    explicit CallLog(camera::CameraLibrary& camera) : camera_(camera) {}

    // The failed calls since the last take, in call order.
    std::vector<std::string_view> takeFailures();

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

  private:
    void note(std::string_view function, const int32_t* flag);

    camera::CameraLibrary& camera_;
    std::vector<std::string_view> failures_;
};

}  // namespace cli
