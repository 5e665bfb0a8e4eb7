#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "camera_library.h"
#include "catalogue.h"
#include "change_log.h"
#include "record_values.h"

namespace change_log {

// Who asks for the changes: "window" with the edition's language, or "command line".
struct Author {
    std::string frontEnd;
    std::string edition;
};

// Passes every call on to a camera library and logs each change the camera is asked to make,
// once it has answered and before the next call: one entry per setting whose value differs from
// the one last read, one per action. A change is not sent when the log cannot be written; a read
// logs nothing.
class LoggingCameraLibrary final : public camera::CameraLibrary {
  public:
    // No file: logging is off, and every call passes.
    LoggingCameraLibrary(camera::CameraLibrary& camera, std::optional<std::filesystem::path> file);

    // The camera model and the author of the changes to come.
    void serve(const camera::CameraModel& model, Author author);

    // Why the last call, a change, was not sent, or was sent but could not be logged, naming the
    // file; empty otherwise. After a change that could not be logged, none is sent.
    const std::string& failure() const { return failure_; }

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
    // A read says nothing of the log: what a change before it failed on is forgotten, unless
    // nothing can be sent any more.
    void readStarts();
    // False, with the flag at 0, when the change may not be sent.
    bool maySend(int32_t* flag);
    // One entry per setting of `sent` that differs from what was last known, which then becomes
    // what is known.
    void logChanges(const Values& sent, std::string_view outcome);
    void remember(const Values& values);
    void logAction(std::string_view action, std::string newValue, std::string_view outcome);
    using TextCall = void (camera::CameraLibrary::*)(int32_t, char*, int32_t*);
    // A text read (direction 0) or written (1) on its own.
    void transferText(int32_t direction, std::string_view key, char* text, std::size_t size,
                      int32_t* flag, TextCall call);
    void append(std::string setting, std::string oldValue, std::string newValue,
                std::string_view outcome);

    camera::CameraLibrary& camera_;
    std::optional<ChangeLog> log_;
    const camera::CameraModel* model_ = &camera::commonModel();
    Author author_;
    Values known_;
    std::string failure_;
    bool broken_ = false;
};

}  // namespace change_log
