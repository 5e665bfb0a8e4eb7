#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "call_journal.h"
#include "camera_state.h"
#include "record_fields.h"
#include "state_file.h"

namespace k47 {

// A camera that exists only in software, behind the 21 functions of the camera library and with
// the same arguments. Its settings live in a state file that it reads at every call, so a hand
// edit takes effect at the next call; the connection and the login live as long as the object.
//
// Every function but Init_Device fails until Init_Device has connected the attached camera, and
// every function but Init_Device and Qumat_Login until a login has succeeded. The functions that
// take the login password fail unless it is the password of that login. In mass-storage mode
// every function but Init_Device fails until the next Init_Device.
class EmulatedCamera {
  public:
    // An empty journal path keeps no journal; an empty state path keeps the state in memory only,
    // from the factory settings, for as long as the object lives.
    explicit EmulatedCamera(std::filesystem::path stateFile,
                            std::filesystem::path journalFile = {});

    void Init_Device(uint8_t* buffer, int32_t* flag);
    void Qumat_Login(int32_t userType, const char* password, int32_t* flag);
    void Qumat_Get4GDevOrNot(int32_t* answer);
    void GetZFYInfo(uint8_t* record, const char* password, int32_t* flag);
    void WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag);
    void Qumat_GetNetConfig(uint8_t* record, int32_t* flag);
    void Qumat_SetNetConfig(const uint8_t* record, int32_t* flag);
    void Qumat_ApnUser(int32_t direction, char* text, int32_t* flag);
    void Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag);
    void Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag);
    void Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag);
    void Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag);
    void Qumat_GetPsw(int32_t userType, char* password, int32_t* flag);
    void Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag);
    void Qumat_GetTFVol(char* text, int32_t* flag);
    void Qumat_GetFwVersion(char* text, int32_t* flag);
    void ReadDeviceResolution(int32_t* width, int32_t* height, const char* password, int32_t* flag);
    void SyncDevTime(const char* password, int32_t* flag);
    void SetMSDC(const char* password, int32_t* flag);
    void Qumat_FormatTFCard(const char* password, int32_t* flag);
    void Qumat_SetDefault(int32_t* flag);

  private:
    enum class Outcome { failed, unchanged, changed };
    using Operation = std::function<Outcome(CameraState&)>;

    // Reads the state, checks that the camera can answer, applies the fault switches, runs the
    // operation, saves a changed state and sets the flag.
    void call(Function function, int32_t* flag, const Operation& operation);
    bool canAnswer(Function function) const;
    bool isLoginPassword(const char* password) const;
    // Hands an answer to the caller, unless the tester wants the caller's buffer left alone.
    void deliver(Function function, void* destination, std::span<const uint8_t> bytes) const;
    void deliver(Function function, int32_t* destination, int32_t value) const;
    // The text transfers: direction 0 reads the camera's text into the buffer, 1 takes it.
    void transfer(Function function, std::string CameraState::*text, std::size_t size,
                  int32_t direction, char* buffer, int32_t* flag);
    // The device actions, which take nothing but the login password.
    void passwordAction(Function function, const char* password, int32_t* flag,
                        const Operation& action);
    void giveStatusText(Function function, std::string CameraState::*text, char* buffer,
                        int32_t* flag);

    bool persistent_;
    StateFile stateFile_;
    CallJournal journal_;
    CameraState state_;  // as the current call read it
    bool connected_ = false;
    bool massStorage_ = false;
    std::optional<std::string> loginPassword_;
};

}  // namespace k47
