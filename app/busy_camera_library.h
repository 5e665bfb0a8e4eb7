#pragma once

#include "camera_library.h"

namespace app {

// Shows the busy cursor while a camera call blocks the window, so that a slow camera does not
// look like a hung program. The calls still run one at a time on the window's thread.
class BusyCameraLibrary final : public camera::CameraLibrary {
  public:
    explicit BusyCameraLibrary(camera::CameraLibrary& camera) : camera_(camera) {}

    void Init_Device(uint8_t* buffer, int32_t* flag) override {
        busy(&CameraLibrary::Init_Device, buffer, flag);
    }
    void Qumat_Login(int32_t userType, const char* password, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_Login, userType, password, flag);
    }
    void Qumat_Get4GDevOrNot(int32_t* answer) override {
        busy(&CameraLibrary::Qumat_Get4GDevOrNot, answer);
    }
    void GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) override {
        busy(&CameraLibrary::GetZFYInfo, record, password, flag);
    }
    void WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag) override {
        busy(&CameraLibrary::WriteZFYInfo, record, password, flag);
    }
    void Qumat_GetNetConfig(uint8_t* record, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_GetNetConfig, record, flag);
    }
    void Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_SetNetConfig, record, flag);
    }
    void Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_ApnUser, direction, text, flag);
    }
    void Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_ApnPsw, direction, text, flag);
    }
    void Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_SN_Info, direction, serialNumber, flag);
    }
    void Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_GetMenuConfig, record, size, flag);
    }
    void Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_SetMenuConfig, record, size, flag);
    }
    void Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_GetPsw, userType, password, flag);
    }
    void Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_ChangePsw, userType, password, flag);
    }
    void Qumat_GetTFVol(char* text, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_GetTFVol, text, flag);
    }
    void Qumat_GetFwVersion(char* text, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_GetFwVersion, text, flag);
    }
    void ReadDeviceResolution(int32_t* width, int32_t* height, const char* password,
                              int32_t* flag) override {
        busy(&CameraLibrary::ReadDeviceResolution, width, height, password, flag);
    }
    void SyncDevTime(const char* password, int32_t* flag) override {
        busy(&CameraLibrary::SyncDevTime, password, flag);
    }
    void SetMSDC(const char* password, int32_t* flag) override {
        busy(&CameraLibrary::SetMSDC, password, flag);
    }
    void Qumat_FormatTFCard(const char* password, int32_t* flag) override {
        busy(&CameraLibrary::Qumat_FormatTFCard, password, flag);
    }
    void Qumat_SetDefault(int32_t* flag) override { busy(&CameraLibrary::Qumat_SetDefault, flag); }

  private:
    // Sets the busy cursor for the call and restores the previous one after it.
    class BusyCursor {
      public:
        BusyCursor();
        ~BusyCursor();
        BusyCursor(const BusyCursor&) = delete;
        BusyCursor& operator=(const BusyCursor&) = delete;
    };

    template <typename... Arguments>
    void busy(void (CameraLibrary::*call)(Arguments...), Arguments... arguments) {
        const BusyCursor cursor;
        (camera_.*call)(arguments...);
    }

    camera::CameraLibrary& camera_;
};

}  // namespace app
