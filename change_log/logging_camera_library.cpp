#include "logging_camera_library.h"

#include <cstring>
#include <span>

#include "code_page.h"
#include "identity_record.h"
#include "network_record.h"
#include "record_values.h"
#include "setting_keys.h"
#include "utf8.h"
#include "who_and_when.h"

namespace change_log {
namespace {

constexpr std::size_t kApnTextSize = 33;
constexpr std::size_t kSerialNumberSize = 16;

std::string textOf(const char* buffer, std::size_t size) {
    return platform::toUtf8(
        platform::decodeAnsi(std::span(reinterpret_cast<const std::uint8_t*>(buffer), size)));
}

std::string_view outcomeOf(int32_t flag) {
    return flag != 0 ? kWritten : kRefused;
}

}  // namespace

LoggingCameraLibrary::LoggingCameraLibrary(camera::CameraLibrary& camera,
                                           std::optional<std::filesystem::path> file)
    : camera_(camera) {
    if (file) {
        log_.emplace(std::move(*file));
    }
}

void LoggingCameraLibrary::serve(const camera::CameraModel& model, Author author) {
    model_ = &model;
    author_ = std::move(author);
}

bool LoggingCameraLibrary::maySend(int32_t* flag) {
    if (!log_) {
        return true;
    }
    if (!broken_) {
        if (const auto reason = log_->open()) {
            failure_ = "the change log " + log_->file().string() + " cannot be written: " + *reason;
        } else {
            failure_.clear();
            return true;
        }
    }
    *flag = 0;
    return false;
}

void LoggingCameraLibrary::readStarts() {
    if (!broken_) {
        failure_.clear();
    }
}

void LoggingCameraLibrary::append(std::string setting, std::string oldValue, std::string newValue,
                                  std::string_view outcome) {
    if (!log_ || broken_) {
        return;
    }
    const auto moment = platform::now();
    const auto deviceId = known_.find(camera::keys::kDeviceId);
    const auto serialNumber = known_.find(camera::keys::kSerialNumber);
    ChangeEntry entry{.time = moment.utc,
                      .utcOffset = moment.utcOffset,
                      .user = platform::userName(),
                      .host = platform::hostName(),
                      .frontEnd = author_.frontEnd,
                      .edition = author_.edition,
                      .model = std::string(model_->name),
                      .deviceId = deviceId == known_.end() ? "" : deviceId->second,
                      .serialNumber = serialNumber == known_.end() ? "" : serialNumber->second,
                      .setting = std::move(setting),
                      .oldValue = std::move(oldValue),
                      .newValue = std::move(newValue),
                      .outcome = std::string(outcome)};
    if (const auto reason = log_->append(std::move(entry))) {
        // The camera has the change; the log does not. Nothing more is sent.
        broken_ = true;
        failure_ = "the change log " + log_->file().string() + " cannot be written: " + *reason;
    }
}

void LoggingCameraLibrary::logChanges(const Values& sent, std::string_view outcome) {
    // In the catalogue's order, as a listing of the settings shows them.
    for (const auto& row : model_->catalogue) {
        const auto value = sent.find(row.key);
        if (value == sent.end()) {
            continue;
        }
        const auto known = known_.find(row.key);
        if (known != known_.end() && known->second == value->second) {
            continue;
        }
        const bool secret = row.privacy == camera::Privacy::secret;
        append(std::string(row.key), secret || known == known_.end() ? "" : known->second,
               secret ? std::string(kChanged) : value->second, outcome);
    }
    if (outcome == kWritten) {
        remember(sent);
    }
}

void LoggingCameraLibrary::remember(const Values& values) {
    for (const auto& [key, value] : values) {
        known_[key] = value;
    }
}

void LoggingCameraLibrary::logAction(std::string_view action, std::string newValue,
                                     std::string_view outcome) {
    append(std::string(action), "", std::move(newValue), outcome);
}

void LoggingCameraLibrary::Init_Device(uint8_t* buffer, int32_t* flag) {
    readStarts();
    camera_.Init_Device(buffer, flag);
}

void LoggingCameraLibrary::Qumat_Login(int32_t userType, const char* password, int32_t* flag) {
    // A new login may be another camera: nothing read before it counts.
    known_.clear();
    readStarts();
    camera_.Qumat_Login(userType, password, flag);
}

void LoggingCameraLibrary::Qumat_Get4GDevOrNot(int32_t* answer) {
    readStarts();
    camera_.Qumat_Get4GDevOrNot(answer);
}

void LoggingCameraLibrary::GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) {
    readStarts();
    camera_.GetZFYInfo(record, password, flag);
    if (*flag != 0) {
        remember(identityValues(*model_, std::span(record, camera::IdentityRecord::kSize)));
    }
}

void LoggingCameraLibrary::WriteZFYInfo(const uint8_t* record, const char* password,
                                        int32_t* flag) {
    if (maySend(flag)) {
        camera_.WriteZFYInfo(record, password, flag);
        logChanges(identityValues(*model_, std::span(record, camera::IdentityRecord::kSize)),
                   outcomeOf(*flag));
    }
}

void LoggingCameraLibrary::Qumat_GetNetConfig(uint8_t* record, int32_t* flag) {
    readStarts();
    camera_.Qumat_GetNetConfig(record, flag);
    if (*flag != 0) {
        remember(networkValues(*model_, std::span(record, camera::NetworkRecord::kSize)));
    }
}

void LoggingCameraLibrary::Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) {
    if (maySend(flag)) {
        camera_.Qumat_SetNetConfig(record, flag);
        logChanges(networkValues(*model_, std::span(record, camera::NetworkRecord::kSize)),
                   outcomeOf(*flag));
    }
}

void LoggingCameraLibrary::Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) {
    transferText(direction, camera::keys::kApnUser, text, kApnTextSize, flag,
                 &camera::CameraLibrary::Qumat_ApnUser);
}

void LoggingCameraLibrary::Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) {
    transferText(direction, camera::keys::kApnPassword, text, kApnTextSize, flag,
                 &camera::CameraLibrary::Qumat_ApnPsw);
}

void LoggingCameraLibrary::Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) {
    transferText(direction, camera::keys::kSerialNumber, serialNumber, kSerialNumberSize, flag,
                 &camera::CameraLibrary::Qumat_SN_Info);
}

void LoggingCameraLibrary::transferText(int32_t direction, std::string_view key, char* text,
                                        std::size_t size, int32_t* flag, TextCall call) {
    if (direction == 0) {
        readStarts();
        (camera_.*call)(direction, text, flag);
        if (*flag != 0) {
            remember({{std::string(key), textOf(text, size)}});
        }
        return;
    }
    if (maySend(flag)) {
        (camera_.*call)(direction, text, flag);
        // The APN texts' writes leave the flag as it was: the camera gives no answer.
        const bool answers = key == camera::keys::kSerialNumber;
        logChanges({{std::string(key), textOf(text, size)}}, answers ? outcomeOf(*flag) : kSent);
    }
}

void LoggingCameraLibrary::Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) {
    readStarts();
    camera_.Qumat_GetMenuConfig(record, size, flag);
    if (*flag != 0) {
        remember(menuValues(*model_, std::span(record, static_cast<std::size_t>(size))));
    }
}

void LoggingCameraLibrary::Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) {
    if (maySend(flag)) {
        camera_.Qumat_SetMenuConfig(record, size, flag);
        logChanges(menuValues(*model_, std::span(record, static_cast<std::size_t>(size))),
                   outcomeOf(*flag));
    }
}

void LoggingCameraLibrary::Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) {
    readStarts();
    camera_.Qumat_GetPsw(userType, password, flag);
}

void LoggingCameraLibrary::Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) {
    if (maySend(flag)) {
        camera_.Qumat_ChangePsw(userType, password, flag);
        logAction(userType == 0 ? "administrator_password" : "user_password", std::string(kChanged),
                  outcomeOf(*flag));
    }
}

void LoggingCameraLibrary::Qumat_GetTFVol(char* text, int32_t* flag) {
    readStarts();
    camera_.Qumat_GetTFVol(text, flag);
}

void LoggingCameraLibrary::Qumat_GetFwVersion(char* text, int32_t* flag) {
    readStarts();
    camera_.Qumat_GetFwVersion(text, flag);
}

void LoggingCameraLibrary::ReadDeviceResolution(int32_t* width, int32_t* height,
                                                const char* password, int32_t* flag) {
    readStarts();
    camera_.ReadDeviceResolution(width, height, password, flag);
}

void LoggingCameraLibrary::SyncDevTime(const char* password, int32_t* flag) {
    if (maySend(flag)) {
        camera_.SyncDevTime(password, flag);
        logAction("set_time", platform::now().utc, outcomeOf(*flag));
    }
}

void LoggingCameraLibrary::SetMSDC(const char* password, int32_t* flag) {
    if (maySend(flag)) {
        camera_.SetMSDC(password, flag);
        logAction("mass_storage", "on", outcomeOf(*flag));
    }
}

void LoggingCameraLibrary::Qumat_FormatTFCard(const char* password, int32_t* flag) {
    if (maySend(flag)) {
        camera_.Qumat_FormatTFCard(password, flag);
        // The camera's flag says nothing here.
        logAction("card_format", "formatted", kSent);
    }
}

void LoggingCameraLibrary::Qumat_SetDefault(int32_t* flag) {
    if (maySend(flag)) {
        camera_.Qumat_SetDefault(flag);
        logAction("factory_defaults", "restored", outcomeOf(*flag));
        if (*flag != 0) {
            known_.clear();
        }
    }
}

}  // namespace change_log
