#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "camera_library.h"
#include "camera_state.h"
#include "emulated_camera.h"

namespace testing_support {

// The camera library of window tests: the emulated camera in-process, with its state file
// (camera.ini) and its call journal (journal.txt) in a directory of the test's own.
class EmulatedCameraLibrary final : public camera::CameraLibrary {
  public:
    enum class Journal { kept, none };
    explicit EmulatedCameraLibrary(const std::filesystem::path& directory,
                                   Journal journal = Journal::kept);

    // Connects and logs in with the administrator's password, as the login window would; true
    // when both succeeded.
    bool connectAndLogIn();
    // The camera's state as its file holds it; setState replaces it, so that a test can set up
    // the camera (records, passwords, fault switches) before the window reads it.
    k47::CameraState state() const;
    void setState(const k47::CameraState& state);
    // One line per call so far, as described in the README.
    std::vector<std::string> journal() const;

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
    std::filesystem::path stateFile_;
    std::filesystem::path journalFile_;
    k47::EmulatedCamera camera_;
};

}  // namespace testing_support
