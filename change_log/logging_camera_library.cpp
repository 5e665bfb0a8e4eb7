#include "logging_camera_library.h"

#include <algorithm>
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

constexpr std::string_view kIdentityRecord = "identity_record";
constexpr std::string_view kNetworkRecord = "network_record";
constexpr std::string_view kMenuRecord = "menu_record";

// A run of record bytes as the log names it: the Wi-Fi station byte by its name, any other by its
// place in the record.
std::string byteRunName(std::string_view record, std::size_t first, std::size_t last) {
    if (record == kNetworkRecord && first == 0 && last == 0) {
        return "wifi_station";
    }
    std::string name = std::string(record) + "[" + std::to_string(first);
    if (last != first) {
        name += ".." + std::to_string(last);
    }
    return name + "]";
}

// The bytes in hex; a network text's bytes are never shown, as they may hold a secret's.
std::string byteRunValue(std::string_view record, std::span<const std::uint8_t> bytes,
                         std::size_t first) {
    if (record == kNetworkRecord && first > 0) {
        return std::string(kChanged);
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += text.empty() ? "0x" : " 0x";
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string textOf(const char* buffer, std::size_t size) {
    return platform::toUtf8(
        platform::decodeAnsi(std::span(reinterpret_cast<const std::uint8_t*>(buffer), size)));
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

std::string LoggingCameraLibrary::cannotBeWritten(const std::string& reason) const {
    return "the change log " + log_->file().string() + " cannot be written: " + reason;
}

void LoggingCameraLibrary::readStarts() {
    if (!broken_) {
        failure_.clear();
    }
}

ChangeEntry LoggingCameraLibrary::intended(std::string setting, std::string oldValue,
                                           std::string newValue) const {
    const auto moment = platform::now();
    const auto deviceId = known_.find(camera::keys::kDeviceId);
    const auto serialNumber = known_.find(camera::keys::kSerialNumber);
    return {.time = moment.utc,
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
            .outcome = std::string(kIntended)};
}

std::vector<ChangeEntry> LoggingCameraLibrary::changesTo(const Values& sent) const {
    std::vector<ChangeEntry> changes;
    if (!log_) {
        return changes;
    }
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
        changes.push_back(intended(std::string(row.key),
                                   secret || known == known_.end() ? "" : known->second,
                                   secret ? std::string(kChanged) : value->second));
    }
    return changes;
}

std::vector<ChangeEntry> LoggingCameraLibrary::recordChanges(
    std::string_view record, ValuesOf valuesOf, std::span<const std::uint8_t> sent) const {
    const Values values = valuesOf(*model_, sent);
    auto changes = changesTo(values);
    const auto known = knownRecords_.find(record);
    if (!log_ || known == knownRecords_.end() || known->second.size() != sent.size()) {
        return changes;
    }
    const std::vector<std::uint8_t>& before = known->second;
    const Values valuesBefore = valuesOf(*model_, before);
    const auto named = [&](const std::string& key) {
        return std::ranges::any_of(changes,
                                   [&](const ChangeEntry& entry) { return entry.setting == key; });
    };
    // A changed byte is covered when every setting it alone would change has an entry.
    std::vector<std::uint8_t> probe = before;
    const auto uncovered = [&](std::size_t byte) {
        if (before[byte] == sent[byte]) {
            return false;
        }
        probe[byte] = sent[byte];
        const Values probed = valuesOf(*model_, probe);
        probe[byte] = before[byte];
        bool anySetting = false;
        for (const auto& [key, value] : probed) {
            const auto old = valuesBefore.find(key);
            if (old == valuesBefore.end() || old->second != value) {
                anySetting = true;
                if (!named(key)) {
                    return true;
                }
            }
        }
        return !anySetting;
    };
    std::vector<ChangeEntry> bytes;
    for (std::size_t first = 0; first < sent.size(); ++first) {
        if (!uncovered(first)) {
            continue;
        }
        std::size_t last = first;
        // The station byte stands alone; the texts after it run together.
        while (last + 1 < sent.size() && !(record == kNetworkRecord && first == 0) &&
               uncovered(last + 1)) {
            ++last;
        }
        const std::size_t count = last - first + 1;
        bytes.push_back(
            intended(byteRunName(record, first, last),
                     byteRunValue(record, std::span(before).subspan(first, count), first),
                     byteRunValue(record, sent.subspan(first, count), first)));
        first = last;
    }
    changes.insert(changes.end(), bytes.begin(), bytes.end());
    return changes;
}

void LoggingCameraLibrary::sendRecord(std::string_view record, ValuesOf valuesOf,
                                      std::span<const std::uint8_t> bytes,
                                      std::string_view function, int32_t* flag,
                                      const std::function<void()>& call) {
    const auto known = knownRecords_.find(record);
    const bool repeat = known != knownRecords_.end() && std::ranges::equal(known->second, bytes);
    const auto sent = valuesOf(*model_, bytes);
    sendValues(recordChanges(record, valuesOf, bytes), sent, function, flag, true, call, repeat);
    if (*flag != 0) {
        remember(sent);
        rememberRecord(record, bytes);
    }
}

void LoggingCameraLibrary::rememberRecord(std::string_view record,
                                          std::span<const std::uint8_t> bytes) {
    knownRecords_.insert_or_assign(std::string(record),
                                   std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

std::vector<ChangeEntry> LoggingCameraLibrary::action(std::string_view name,
                                                      std::string value) const {
    if (!log_) {
        return {};
    }
    return {intended(std::string(name), "", std::move(value))};
}

bool LoggingCameraLibrary::announce(std::vector<ChangeEntry>& intents) {
    if (!log_) {
        return true;
    }
    if (broken_) {
        return false;
    }
    // A call that changes nothing the log names still needs a log that can take entries.
    auto reason = intents.empty() ? log_->open() : log_->append(intents);
    if (reason) {
        failure_ = cannotBeWritten(*reason);
        return false;
    }
    failure_.clear();
    return true;
}

void LoggingCameraLibrary::settle(const std::vector<ChangeEntry>& intents, std::string_view outcome,
                                  std::string reason) {
    const auto moment = platform::now();
    std::vector<ChangeEntry> outcomes;
    for (const auto& intent : intents) {
        auto settled = intent;
        settled.time = moment.utc;
        settled.utcOffset = moment.utcOffset;
        settled.outcome = std::string(outcome);
        settled.reason = reason;
        settled.intent = intent.hash;
        outcomes.push_back(std::move(settled));
    }
    appendOutcomes(std::move(outcomes));
}

void LoggingCameraLibrary::appendOutcomes(std::vector<ChangeEntry> outcomes) {
    if (outcomes.empty()) {
        return;
    }
    if (const auto error = log_->append(outcomes)) {
        // The camera has the change, and the log says only that it was about to: nothing more is
        // sent.
        broken_ = true;
        std::string settings;
        for (const auto& outcome : outcomes) {
            settings += (settings.empty() ? "" : ", ") + outcome.setting;
        }
        failure_ = cannotBeWritten(*error) + " (the change of " + settings +
                   " was sent; the log shows its outcome as unknown)";
    }
}

std::string_view LoggingCameraLibrary::send(std::vector<ChangeEntry>& intents,
                                            std::string_view function, int32_t* flag, bool answers,
                                            const std::function<void()>& call, bool repeat) {
    unsent_ = !(repeat && intents.empty()) && !announce(intents);
    if (unsent_) {
        *flag = 0;
        return {};
    }
    call();
    const std::string_view outcome = !answers ? kSent : *flag != 0 ? kWritten : kRefused;
    settle(intents, outcome,
           outcome == kRefused ? std::string(function) + " answered with the flag 0" : "");
    return outcome;
}

void LoggingCameraLibrary::sendAction(std::vector<ChangeEntry> intents, std::string_view function,
                                      int32_t* flag, bool answers,
                                      const std::function<void()>& call) {
    send(intents, function, flag, answers, call);
}

void LoggingCameraLibrary::sendValues(const Values& sent, std::string_view function, int32_t* flag,
                                      bool answers, const std::function<void()>& call) {
    sendValues(changesTo(sent), sent, function, flag, answers, call);
}

void LoggingCameraLibrary::sendValues(std::vector<ChangeEntry> intents, const Values& sent,
                                      std::string_view function, int32_t* flag, bool answers,
                                      const std::function<void()>& call, bool repeat) {
    const auto outcome = send(intents, function, flag, answers, call, repeat);
    if (outcome != kWritten && outcome != kSent) {
        return;
    }
    // A setting's value awaits its read; the bytes of a record no setting shows are not read
    // back as values.
    for (auto& intent : intents) {
        const auto value = sent.find(intent.setting);
        if (value != sent.end()) {
            const std::string setting = intent.setting;
            awaitingRead_[setting] = {.intent = std::move(intent), .sent = value->second};
        }
    }
}

void LoggingCameraLibrary::readBack(const Values& read) {
    const auto moment = platform::now();
    std::vector<ChangeEntry> outcomes;
    for (const auto& [key, value] : read) {
        const auto awaited = awaitingRead_.find(key);
        if (awaited == awaitingRead_.end()) {
            continue;
        }
        if (awaited->second.sent != value) {
            const auto* row = model_->row(key);
            auto differs = awaited->second.intent;
            differs.time = moment.utc;
            differs.utcOffset = moment.utcOffset;
            differs.outcome = std::string(kDiffers);
            differs.reason = row != nullptr && row->privacy == camera::Privacy::secret
                                 ? "the camera holds another value"
                                 : "the camera holds " + value;
            differs.intent = awaited->second.intent.hash;
            outcomes.push_back(std::move(differs));
        }
        awaitingRead_.erase(awaited);
    }
    appendOutcomes(std::move(outcomes));
    remember(read);
}

void LoggingCameraLibrary::remember(const Values& values) {
    for (const auto& [key, value] : values) {
        known_[key] = value;
    }
}

void LoggingCameraLibrary::Init_Device(uint8_t* buffer, int32_t* flag) {
    readStarts();
    camera_.Init_Device(buffer, flag);
}

void LoggingCameraLibrary::Qumat_Login(int32_t userType, const char* password, int32_t* flag) {
    // A new login may be another camera: nothing read or written before it counts.
    known_.clear();
    knownRecords_.clear();
    awaitingRead_.clear();
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
        const std::span bytes(record, camera::IdentityRecord::kSize);
        readBack(identityValues(*model_, bytes));
        rememberRecord(kIdentityRecord, bytes);
    }
}

void LoggingCameraLibrary::WriteZFYInfo(const uint8_t* record, const char* password,
                                        int32_t* flag) {
    sendRecord(kIdentityRecord, identityValues, std::span(record, camera::IdentityRecord::kSize),
               "WriteZFYInfo", flag, [&] { camera_.WriteZFYInfo(record, password, flag); });
}

void LoggingCameraLibrary::Qumat_GetNetConfig(uint8_t* record, int32_t* flag) {
    readStarts();
    camera_.Qumat_GetNetConfig(record, flag);
    if (*flag != 0) {
        const std::span bytes(record, camera::NetworkRecord::kSize);
        readBack(networkValues(*model_, bytes));
        rememberRecord(kNetworkRecord, bytes);
    }
}

void LoggingCameraLibrary::Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) {
    sendRecord(kNetworkRecord, networkValues, std::span(record, camera::NetworkRecord::kSize),
               "Qumat_SetNetConfig", flag, [&] { camera_.Qumat_SetNetConfig(record, flag); });
}

void LoggingCameraLibrary::Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) {
    transferText(direction, camera::keys::kApnUser, "Qumat_ApnUser", text, kApnTextSize, flag,
                 &camera::CameraLibrary::Qumat_ApnUser);
}

void LoggingCameraLibrary::Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) {
    transferText(direction, camera::keys::kApnPassword, "Qumat_ApnPsw", text, kApnTextSize, flag,
                 &camera::CameraLibrary::Qumat_ApnPsw);
}

void LoggingCameraLibrary::Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) {
    transferText(direction, camera::keys::kSerialNumber, "Qumat_SN_Info", serialNumber,
                 kSerialNumberSize, flag, &camera::CameraLibrary::Qumat_SN_Info);
}

void LoggingCameraLibrary::transferText(int32_t direction, std::string_view key,
                                        std::string_view function, char* text, std::size_t size,
                                        int32_t* flag, TextCall call) {
    if (direction == 0) {
        readStarts();
        (camera_.*call)(direction, text, flag);
        if (*flag != 0) {
            readBack({{std::string(key), textOf(text, size)}});
        }
        return;
    }
    const Values sent{{std::string(key), textOf(text, size)}};
    // The APN texts' writes leave the flag as it was: the camera gives no answer.
    const bool answers = key == camera::keys::kSerialNumber;
    sendValues(sent, function, flag, answers, [&] { (camera_.*call)(direction, text, flag); });
    if (answers && *flag != 0) {
        remember(sent);
    }
}

void LoggingCameraLibrary::Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) {
    readStarts();
    camera_.Qumat_GetMenuConfig(record, size, flag);
    if (*flag != 0) {
        const std::span bytes(record, static_cast<std::size_t>(size));
        readBack(menuValues(*model_, bytes));
        rememberRecord(kMenuRecord, bytes);
    }
}

void LoggingCameraLibrary::Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) {
    sendRecord(kMenuRecord, menuValues, std::span(record, static_cast<std::size_t>(size)),
               "Qumat_SetMenuConfig", flag,
               [&] { camera_.Qumat_SetMenuConfig(record, size, flag); });
}

void LoggingCameraLibrary::Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) {
    readStarts();
    camera_.Qumat_GetPsw(userType, password, flag);
}

void LoggingCameraLibrary::Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) {
    sendAction(
        action(userType == 0 ? "administrator_password" : "user_password", std::string(kChanged)),
        "Qumat_ChangePsw", flag, true, [&] { camera_.Qumat_ChangePsw(userType, password, flag); });
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
    sendAction(action("set_time", platform::now().utc), "SyncDevTime", flag, true,
               [&] { camera_.SyncDevTime(password, flag); });
}

void LoggingCameraLibrary::SetMSDC(const char* password, int32_t* flag) {
    sendAction(action("mass_storage", "on"), "SetMSDC", flag, true,
               [&] { camera_.SetMSDC(password, flag); });
}

void LoggingCameraLibrary::Qumat_FormatTFCard(const char* password, int32_t* flag) {
    // The camera's flag says nothing here.
    sendAction(action("card_format", "formatted"), "Qumat_FormatTFCard", flag, false,
               [&] { camera_.Qumat_FormatTFCard(password, flag); });
}

void LoggingCameraLibrary::Qumat_SetDefault(int32_t* flag) {
    sendAction(action("factory_defaults", "restored"), "Qumat_SetDefault", flag, true,
               [&] { camera_.Qumat_SetDefault(flag); });
    if (*flag != 0) {
        known_.clear();
        knownRecords_.clear();
        awaitingRead_.clear();
    }
}

}  // namespace change_log
