#pragma once

#include <optional>
#include <string>

#include "camera_library.h"
#include "library_entry_points.h"

namespace camera {

// The production camera library: each call goes straight to the shared library's C function.
// The library is loaded when it is first needed, so that a program without it still starts, says
// what is missing, and does whatever needs no camera.
class LibraryFunctions final : public CameraLibrary {
  public:
    // Looks for the library and makes its functions ready, the first time it is asked for (a
    // call that comes first does so too, and fails with flag 0 while there is no library): what
    // that look found.
    const LibraryLookup& lookUp();
    // Empty when the functions are ready, else why not, in one line naming the files looked for
    // and the architecture needed.
    std::string load() { return lookUp().problem; }

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
    template <auto function, typename... Arguments>
    void call(int32_t* flag, Arguments... arguments);

    std::optional<FoundLibrary> found_;
};

}  // namespace camera
