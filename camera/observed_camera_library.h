#pragma once

#include <string_view>

#include "camera_library.h"

namespace camera {

// Passes every call on to a camera library and tells an observer around each one, by the
// function's name: the windows' busy cursor and the command line's record of failed calls both
// watch the camera this way.
class ObservedCameraLibrary final : public CameraLibrary {
  public:
    class Observer {
      public:
        virtual ~Observer() = default;
        virtual void before(std::string_view function) = 0;
        // `flag` is null for the device query, which answers without one.
        virtual void after(std::string_view function, const int32_t* flag) = 0;
    };

    ObservedCameraLibrary(CameraLibrary& camera, Observer& observer)
        : camera_(camera), observer_(observer) {}

    void Init_Device(uint8_t* buffer, int32_t* flag) override {
        pass("Init_Device", &CameraLibrary::Init_Device, flag, buffer, flag);
    }
    void Qumat_Login(int32_t userType, const char* password, int32_t* flag) override {
        pass("Qumat_Login", &CameraLibrary::Qumat_Login, flag, userType, password, flag);
    }
    void Qumat_Get4GDevOrNot(int32_t* answer) override {
        pass("Qumat_Get4GDevOrNot", &CameraLibrary::Qumat_Get4GDevOrNot, nullptr, answer);
    }
    void GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) override {
        pass("GetZFYInfo", &CameraLibrary::GetZFYInfo, flag, record, password, flag);
    }
    void WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag) override {
        pass("WriteZFYInfo", &CameraLibrary::WriteZFYInfo, flag, record, password, flag);
    }
    void Qumat_GetNetConfig(uint8_t* record, int32_t* flag) override {
        pass("Qumat_GetNetConfig", &CameraLibrary::Qumat_GetNetConfig, flag, record, flag);
    }
    void Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) override {
        pass("Qumat_SetNetConfig", &CameraLibrary::Qumat_SetNetConfig, flag, record, flag);
    }
    void Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) override {
        pass("Qumat_ApnUser", &CameraLibrary::Qumat_ApnUser, flag, direction, text, flag);
    }
    void Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) override {
        pass("Qumat_ApnPsw", &CameraLibrary::Qumat_ApnPsw, flag, direction, text, flag);
    }
    void Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) override {
        pass("Qumat_SN_Info", &CameraLibrary::Qumat_SN_Info, flag, direction, serialNumber, flag);
    }
    void Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) override {
        pass("Qumat_GetMenuConfig", &CameraLibrary::Qumat_GetMenuConfig, flag, record, size, flag);
    }
    void Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) override {
        pass("Qumat_SetMenuConfig", &CameraLibrary::Qumat_SetMenuConfig, flag, record, size, flag);
    }
    void Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) override {
        pass("Qumat_GetPsw", &CameraLibrary::Qumat_GetPsw, flag, userType, password, flag);
    }
    void Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) override {
        pass("Qumat_ChangePsw", &CameraLibrary::Qumat_ChangePsw, flag, userType, password, flag);
    }
    void Qumat_GetTFVol(char* text, int32_t* flag) override {
        pass("Qumat_GetTFVol", &CameraLibrary::Qumat_GetTFVol, flag, text, flag);
    }
    void Qumat_GetFwVersion(char* text, int32_t* flag) override {
        pass("Qumat_GetFwVersion", &CameraLibrary::Qumat_GetFwVersion, flag, text, flag);
    }
    void ReadDeviceResolution(int32_t* width, int32_t* height, const char* password,
                              int32_t* flag) override {
        pass("ReadDeviceResolution", &CameraLibrary::ReadDeviceResolution, flag, width, height,
             password, flag);
    }
    void SyncDevTime(const char* password, int32_t* flag) override {
        pass("SyncDevTime", &CameraLibrary::SyncDevTime, flag, password, flag);
    }
    void SetMSDC(const char* password, int32_t* flag) override {
        pass("SetMSDC", &CameraLibrary::SetMSDC, flag, password, flag);
    }
    void Qumat_FormatTFCard(const char* password, int32_t* flag) override {
        pass("Qumat_FormatTFCard", &CameraLibrary::Qumat_FormatTFCard, flag, password, flag);
    }
    void Qumat_SetDefault(int32_t* flag) override {
        pass("Qumat_SetDefault", &CameraLibrary::Qumat_SetDefault, flag, flag);
    }

  private:
    template <typename... Arguments>
    void pass(std::string_view function, void (CameraLibrary::*call)(Arguments...),
              const int32_t* flag, Arguments... arguments) {
        observer_.before(function);
        (camera_.*call)(arguments...);
        observer_.after(function, flag);
    }

    CameraLibrary& camera_;
    Observer& observer_;
};

}  // namespace camera
