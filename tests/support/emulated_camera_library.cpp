#include "emulated_camera_library.h"

#include <fstream>

#include "state_file.h"

namespace testing_support {

EmulatedCameraLibrary::EmulatedCameraLibrary(const std::filesystem::path& directory,
                                             Journal journal)
    : stateFile_(directory / "camera.ini"),
      journalFile_(journal == Journal::kept ? directory / "journal.txt" : std::filesystem::path()),
      camera_(stateFile_, journalFile_) {}

bool EmulatedCameraLibrary::connectAndLogIn() {
    uint8_t buffer[6] = {};
    int32_t connected = 0;
    camera_.Init_Device(buffer, &connected);
    int32_t loggedIn = 0;
    camera_.Qumat_Login(0, state().adminPassword.c_str(), &loggedIn);
    return connected != 0 && loggedIn != 0;
}

k47::CameraState EmulatedCameraLibrary::state() const {
    return k47::StateFile(stateFile_).load().value();
}

void EmulatedCameraLibrary::setState(const k47::CameraState& state) {
    k47::StateFile(stateFile_).save(state);
}

std::vector<std::string> EmulatedCameraLibrary::journal() const {
    std::vector<std::string> lines;
    std::ifstream stream(journalFile_);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

void EmulatedCameraLibrary::Init_Device(uint8_t* buffer, int32_t* flag) {
    camera_.Init_Device(buffer, flag);
}
void EmulatedCameraLibrary::Qumat_Login(int32_t userType, const char* password, int32_t* flag) {
    camera_.Qumat_Login(userType, password, flag);
}
void EmulatedCameraLibrary::Qumat_Get4GDevOrNot(int32_t* answer) {
    camera_.Qumat_Get4GDevOrNot(answer);
}
void EmulatedCameraLibrary::GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) {
    camera_.GetZFYInfo(record, password, flag);
}
void EmulatedCameraLibrary::WriteZFYInfo(const uint8_t* record, const char* password,
                                         int32_t* flag) {
    camera_.WriteZFYInfo(record, password, flag);
}
void EmulatedCameraLibrary::Qumat_GetNetConfig(uint8_t* record, int32_t* flag) {
    camera_.Qumat_GetNetConfig(record, flag);
}
void EmulatedCameraLibrary::Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) {
    camera_.Qumat_SetNetConfig(record, flag);
}
void EmulatedCameraLibrary::Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) {
    camera_.Qumat_ApnUser(direction, text, flag);
}
void EmulatedCameraLibrary::Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) {
    camera_.Qumat_ApnPsw(direction, text, flag);
}
void EmulatedCameraLibrary::Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) {
    camera_.Qumat_SN_Info(direction, serialNumber, flag);
}
void EmulatedCameraLibrary::Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) {
    camera_.Qumat_GetMenuConfig(record, size, flag);
}
void EmulatedCameraLibrary::Qumat_SetMenuConfig(const uint8_t* record, int32_t size,
                                                int32_t* flag) {
    camera_.Qumat_SetMenuConfig(record, size, flag);
}
void EmulatedCameraLibrary::Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) {
    camera_.Qumat_GetPsw(userType, password, flag);
}
void EmulatedCameraLibrary::Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) {
    camera_.Qumat_ChangePsw(userType, password, flag);
}
void EmulatedCameraLibrary::Qumat_GetTFVol(char* text, int32_t* flag) {
    camera_.Qumat_GetTFVol(text, flag);
}
void EmulatedCameraLibrary::Qumat_GetFwVersion(char* text, int32_t* flag) {
    camera_.Qumat_GetFwVersion(text, flag);
}
void EmulatedCameraLibrary::ReadDeviceResolution(int32_t* width, int32_t* height,
                                                 const char* password, int32_t* flag) {
    camera_.ReadDeviceResolution(width, height, password, flag);
}
void EmulatedCameraLibrary::SyncDevTime(const char* password, int32_t* flag) {
    camera_.SyncDevTime(password, flag);
}
void EmulatedCameraLibrary::SetMSDC(const char* password, int32_t* flag) {
    camera_.SetMSDC(password, flag);
}
void EmulatedCameraLibrary::Qumat_FormatTFCard(const char* password, int32_t* flag) {
    camera_.Qumat_FormatTFCard(password, flag);
}
void EmulatedCameraLibrary::Qumat_SetDefault(int32_t* flag) {
    camera_.Qumat_SetDefault(flag);
}

}  // namespace testing_support
