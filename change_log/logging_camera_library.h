#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <span>
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

// Passes every call on to a camera library and logs each change the camera is asked to make
// ahead of the call: one entry per setting whose value differs from the one last read, one per
// run of other bytes of the record that differ from the record last read (a byte no setting
// shows, a bit a setting's value leaves out), one per action, on the disk before the call; then,
// once the camera has answered, one entry per outcome.
// A change whose entries cannot be written is not sent. A read logs nothing, unless it shows a
// value written since the login other than the one sent: then the change's outcome is "differs".
class LoggingCameraLibrary final : public camera::CameraLibrary {
  public:
    // No file: logging is off, and every call passes.
    LoggingCameraLibrary(camera::CameraLibrary& camera, std::optional<std::filesystem::path> file);

    // The camera model and the author of the changes to come.
    void serve(const camera::CameraModel& model, Author author);

    // Why the last call, a change, was not sent, or was sent but its outcome could not be logged,
    // naming the file; empty otherwise. After an outcome that could not be logged, no change is
    // sent.
    const std::string& failure() const { return failure_; }
    // Whether the last change asked for was kept from the camera, as the log could not take it.
    bool lastChangeUnsent() const { return unsent_; }
    // Why lines of the log reached no system log, the first time one did not; empty otherwise.
    std::string unanchored() const { return log_ ? log_->unanchored() : std::string(); }

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
    // One entry per setting of `sent` that differs from what was last known, about to be sent.
    std::vector<ChangeEntry> changesTo(const Values& sent) const;
    // What a record read or sent holds, setting by setting.
    using ValuesOf = Values (*)(const camera::CameraModel&, std::span<const std::uint8_t>);
    // The entries of a record about to be sent: its settings' changes, then one entry per run of
    // bytes that differ from the record last read or sent and that no setting's change covers.
    std::vector<ChangeEntry> recordChanges(std::string_view record, ValuesOf valuesOf,
                                           std::span<const std::uint8_t> sent) const;
    // The entry of an action about to be sent.
    std::vector<ChangeEntry> action(std::string_view name, std::string value) const;
    ChangeEntry intended(std::string setting, std::string oldValue, std::string newValue) const;
    // Writes the intended entries ahead, makes the call, and logs its outcome: with `answers`,
    // the flag's; without, "sent". Nothing is sent, and the flag is 0, when the entries could not
    // be written; then failure() says why. The outcome logged; empty when nothing was sent.
    // A repeat, a record as the camera was last read or written with, changes nothing: it goes
    // even after an outcome the log could not take.
    std::string_view send(std::vector<ChangeEntry>& intents, std::string_view function,
                          int32_t* flag, bool answers, const std::function<void()>& call,
                          bool repeat = false);
    void sendAction(std::vector<ChangeEntry> intents, std::string_view function, int32_t* flag,
                    bool answers, const std::function<void()>& call);
    // send() for settings: the values sent await the next read of them.
    void sendValues(const Values& sent, std::string_view function, int32_t* flag, bool answers,
                    const std::function<void()>& call);
    void sendValues(std::vector<ChangeEntry> intents, const Values& sent, std::string_view function,
                    int32_t* flag, bool answers, const std::function<void()>& call,
                    bool repeat = false);
    // A record's write, weighed against the record last read or written, which it then is.
    void sendRecord(std::string_view record, ValuesOf valuesOf, std::span<const std::uint8_t> bytes,
                    std::string_view function, int32_t* flag, const std::function<void()>& call);
    // A record the camera gave or took: what later writes of it are weighed against.
    void rememberRecord(std::string_view record, std::span<const std::uint8_t> bytes);
    // Logs "differs" for each value read that is not the one last sent, then remembers them.
    void readBack(const Values& read);
    void appendOutcomes(std::vector<ChangeEntry> outcomes);
    // Whether a change may be sent at all, writing its entries ahead.
    bool announce(std::vector<ChangeEntry>& intents);
    void settle(const std::vector<ChangeEntry>& intents, std::string_view outcome,
                std::string reason);
    void remember(const Values& values);
    using TextCall = void (camera::CameraLibrary::*)(int32_t, char*, int32_t*);
    // A text read (direction 0) or written (1) on its own.
    void transferText(int32_t direction, std::string_view key, std::string_view function,
                      char* text, std::size_t size, int32_t* flag, TextCall call);
    std::string cannotBeWritten(const std::string& reason) const;

    camera::CameraLibrary& camera_;
    std::optional<ChangeLog> log_;
    const camera::CameraModel* model_ = &camera::commonModel();
    Author author_;
    Values known_;
    // The bytes of each record last read or written, by record name.
    std::map<std::string, std::vector<std::uint8_t>, std::less<>> knownRecords_;
    // The changes written since the login, by setting, and the value sent, until a read shows it.
    struct AwaitedRead {
        ChangeEntry intent;
        std::string sent;
    };
    std::map<std::string, AwaitedRead, std::less<>> awaitingRead_;
    std::string failure_;
    // An outcome could not be logged: the camera may hold a change whose end the log lacks.
    bool broken_ = false;
    bool unsent_ = false;
};

}  // namespace change_log
