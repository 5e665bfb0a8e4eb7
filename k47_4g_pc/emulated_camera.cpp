#include "emulated_camera.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <thread>
#include <vector>

#include "resolution.h"

namespace k47 {
namespace {

// Bytes 21 to 26 of the common model's menu record say what the camera can do; a write that
// carries other values there does not change the camera.
constexpr std::size_t kCapabilityMasksBegin = 21;
constexpr std::size_t kCapabilityMasksEnd = 27;

std::string passwordText(const char* password) {
    return {password, ::strnlen(password, kPasswordLength)};
}

std::string hostTimeUtc() {
    using namespace std::chrono;
    // The seconds std::time gives, which may lag the precise clock by a tick, as callers read it.
    const auto now = floor<seconds>(system_clock::from_time_t(std::time(nullptr)));
    const auto day = floor<days>(now);
    const year_month_day date(day);
    const hh_mm_ss time(now - day);
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02u-%02u %02d:%02d:%02d",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text.data();
}

std::string* passwordOf(CameraState& state, int32_t userType) {
    if (userType == 0) {
        return &state.adminPassword;
    }
    return userType == 1 ? &state.userPassword : nullptr;
}

// The record sizes the library knows: anything else is refused before the record is read.
std::size_t servedMenuSize(int32_t size) {
    return size == 32 || size == 56 ? static_cast<std::size_t>(size) : 0;
}

JournalLine menuJournalLine(Function function, const uint8_t* record, int32_t size,
                            const int32_t* flag) {
    JournalLine line(function);
    if (servedMenuSize(size) == 0) {
        line.unread("record");
    } else {
        line.bytes("record", record, servedMenuSize(size));
    }
    line.number("size", size).number("flag", flag);
    return line;
}

}  // namespace

EmulatedCamera::EmulatedCamera(std::filesystem::path stateFile, std::filesystem::path journalFile)
    : persistent_(!stateFile.empty()),
      stateFile_(std::move(stateFile)),
      journal_(std::move(journalFile)),
      state_(factorySettings()) {}

void EmulatedCamera::Init_Device(uint8_t* buffer, int32_t* flag) {
    call(Function::Init_Device, flag, [this](CameraState&) {
        connected_ = true;
        massStorage_ = false;
        loginPassword_.reset();
        return Outcome::unchanged;
    });
    journal_.append(JournalLine(Function::Init_Device)
                        .bytes("buffer", buffer, kInitBufferSize)
                        .number("flag", flag));
}

void EmulatedCamera::Qumat_Login(int32_t userType, const char* password, int32_t* flag) {
    call(Function::Qumat_Login, flag, [&](CameraState& state) {
        loginPassword_.reset();
        if (password == nullptr) {
            return Outcome::failed;
        }
        const auto given = passwordText(password);
        if (given != state.adminPassword && given != state.userPassword) {
            return Outcome::failed;
        }
        loginPassword_ = given;
        return Outcome::unchanged;
    });
    journal_.append(JournalLine(Function::Qumat_Login)
                        .number("user_type", userType)
                        .text("password", password, kLoginPasswordSize)
                        .number("flag", flag));
}

void EmulatedCamera::Qumat_Get4GDevOrNot(int32_t* answer) {
    call(Function::Qumat_Get4GDevOrNot, nullptr, [&](CameraState& state) {
        if (answer == nullptr) {
            return Outcome::failed;
        }
        deliver(Function::Qumat_Get4GDevOrNot, answer, state.deviceAnswer);
        return Outcome::unchanged;
    });
    journal_.append(JournalLine(Function::Qumat_Get4GDevOrNot).number("answer", answer));
}

void EmulatedCamera::GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) {
    call(Function::GetZFYInfo, flag, [&](CameraState& state) {
        if (record == nullptr || !isLoginPassword(password)) {
            return Outcome::failed;
        }
        const bool unterminated = state.faults.leavesUnterminated(Function::GetZFYInfo);
        std::array<uint8_t, kIdentityRecordSize> identity{};
        putText(identity, kDeviceId, state.deviceId, unterminated);
        putText(identity, kOfficerId, state.officerId, unterminated);
        deliver(Function::GetZFYInfo, record, identity);
        return Outcome::unchanged;
    });
    journal_.append(JournalLine(Function::GetZFYInfo)
                        .bytes("record", record, kIdentityRecordSize)
                        .text("password", password, kLoginPasswordSize)
                        .number("flag", flag));
}

void EmulatedCamera::WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag) {
    call(Function::WriteZFYInfo, flag, [&](CameraState& state) {
        if (record == nullptr || !isLoginPassword(password)) {
            return Outcome::failed;
        }
        const std::span<const uint8_t> identity(record, kIdentityRecordSize);
        state.deviceId = takeText(identity, kDeviceId);
        state.officerId = takeText(identity, kOfficerId);
        return Outcome::changed;
    });
    journal_.append(JournalLine(Function::WriteZFYInfo)
                        .bytes("record", record, kIdentityRecordSize)
                        .text("password", password, kLoginPasswordSize)
                        .number("flag", flag));
}

void EmulatedCamera::Qumat_GetNetConfig(uint8_t* record, int32_t* flag) {
    call(Function::Qumat_GetNetConfig, flag, [&](CameraState& state) {
        if (record == nullptr) {
            return Outcome::failed;
        }
        const bool unterminated = state.faults.leavesUnterminated(Function::Qumat_GetNetConfig);
        std::array<uint8_t, kNetworkRecordSize> network{};
        network[kWifiStationOffset] = state.wifiStation;
        putText(network, kSsid, state.ssid, unterminated);
        putText(network, kWifiPassword, state.wifiPassword, unterminated);
        putText(network, kApn, state.apn, unterminated);
        putText(network, kPin, state.pin, unterminated);
        putText(network, kServerIp, state.serverIp, unterminated);
        putText(network, kServerPort, state.serverPort, unterminated);
        deliver(Function::Qumat_GetNetConfig, record, network);
        return Outcome::unchanged;
    });
    journal_.append(JournalLine(Function::Qumat_GetNetConfig)
                        .bytes("record", record, kNetworkRecordSize)
                        .number("flag", flag));
}

void EmulatedCamera::Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) {
    call(Function::Qumat_SetNetConfig, flag, [&](CameraState& state) {
        if (record == nullptr) {
            return Outcome::failed;
        }
        const std::span<const uint8_t> network(record, kNetworkRecordSize);
        state.wifiStation = network[kWifiStationOffset];
        state.ssid = takeText(network, kSsid);
        state.wifiPassword = takeText(network, kWifiPassword);
        state.apn = takeText(network, kApn);
        state.pin = takeText(network, kPin);
        state.serverIp = takeText(network, kServerIp);
        state.serverPort = takeText(network, kServerPort);
        return Outcome::changed;
    });
    journal_.append(JournalLine(Function::Qumat_SetNetConfig)
                        .bytes("record", record, kNetworkRecordSize)
                        .number("flag", flag));
}

void EmulatedCamera::Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) {
    transfer(Function::Qumat_ApnUser, &CameraState::apnUser, kApnTextSize, direction, text, flag);
}

void EmulatedCamera::Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) {
    transfer(Function::Qumat_ApnPsw, &CameraState::apnPassword, kApnTextSize, direction, text,
             flag);
}

void EmulatedCamera::Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) {
    transfer(Function::Qumat_SN_Info, &CameraState::serialNumber, kSerialNumberSize, direction,
             serialNumber, flag);
}

void EmulatedCamera::Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) {
    call(Function::Qumat_GetMenuConfig, flag, [&](CameraState& state) {
        if (record == nullptr || servedMenuSize(size) != menuRecordSize(state.model)) {
            return Outcome::failed;
        }
        deliver(Function::Qumat_GetMenuConfig, record, state.menuRecord);
        return Outcome::unchanged;
    });
    journal_.append(menuJournalLine(Function::Qumat_GetMenuConfig, record, size, flag));
}

void EmulatedCamera::Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) {
    call(Function::Qumat_SetMenuConfig, flag, [&](CameraState& state) {
        if (record == nullptr || servedMenuSize(size) != menuRecordSize(state.model)) {
            return Outcome::failed;
        }
        std::vector<uint8_t> menu(record, record + servedMenuSize(size));
        if (state.model == Model::common) {
            std::copy(state.menuRecord.begin() + kCapabilityMasksBegin,
                      state.menuRecord.begin() + kCapabilityMasksEnd,
                      menu.begin() + kCapabilityMasksBegin);
        }
        state.menuRecord = std::move(menu);
        return Outcome::changed;
    });
    journal_.append(menuJournalLine(Function::Qumat_SetMenuConfig, record, size, flag));
}

void EmulatedCamera::Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) {
    call(Function::Qumat_GetPsw, flag, [&](CameraState& state) {
        const std::string* stored = passwordOf(state, userType);
        if (stored == nullptr || password == nullptr) {
            return Outcome::failed;
        }
        std::array<uint8_t, kPasswordBufferSize> buffer{};
        putText(buffer, {0, kPasswordBufferSize}, *stored,
                state.faults.leavesUnterminated(Function::Qumat_GetPsw));
        deliver(Function::Qumat_GetPsw, password, buffer);
        return Outcome::unchanged;
    });
    journal_.append(JournalLine(Function::Qumat_GetPsw)
                        .number("user_type", userType)
                        .bytes("password", password, kPasswordBufferSize)
                        .number("flag", flag));
}

void EmulatedCamera::Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) {
    call(Function::Qumat_ChangePsw, flag, [&](CameraState& state) {
        std::string* stored = passwordOf(state, userType);
        // The camera takes six-byte passwords only.
        if (stored == nullptr || password == nullptr ||
            passwordText(password).size() != kPasswordLength) {
            return Outcome::failed;
        }
        *stored = passwordText(password);
        return Outcome::changed;
    });
    journal_.append(JournalLine(Function::Qumat_ChangePsw)
                        .number("user_type", userType)
                        .bytes("password", password, kPasswordBufferSize)
                        .number("flag", flag));
}

void EmulatedCamera::Qumat_GetTFVol(char* text, int32_t* flag) {
    giveStatusText(Function::Qumat_GetTFVol, &CameraState::card, text, flag);
}

void EmulatedCamera::Qumat_GetFwVersion(char* text, int32_t* flag) {
    giveStatusText(Function::Qumat_GetFwVersion, &CameraState::firmware, text, flag);
}

void EmulatedCamera::ReadDeviceResolution(int32_t* width, int32_t* height, const char* password,
                                          int32_t* flag) {
    call(Function::ReadDeviceResolution, flag, [&](CameraState& state) {
        if (width == nullptr || height == nullptr || !isLoginPassword(password)) {
            return Outcome::failed;
        }
        const auto resolution = currentResolution(state.model, state.menuRecord);
        if (!resolution) {
            return Outcome::failed;
        }
        deliver(Function::ReadDeviceResolution, width, resolution->width);
        deliver(Function::ReadDeviceResolution, height, resolution->height);
        return Outcome::unchanged;
    });
    journal_.append(JournalLine(Function::ReadDeviceResolution)
                        .number("width", width)
                        .number("height", height)
                        .text("password", password, kLoginPasswordSize)
                        .number("flag", flag));
}

void EmulatedCamera::SyncDevTime(const char* password, int32_t* flag) {
    passwordAction(Function::SyncDevTime, password, flag, [](CameraState& state) {
        state.clock = hostTimeUtc();
        return Outcome::changed;
    });
}

void EmulatedCamera::SetMSDC(const char* password, int32_t* flag) {
    passwordAction(Function::SetMSDC, password, flag, [this](CameraState&) {
        massStorage_ = true;
        return Outcome::unchanged;
    });
}

void EmulatedCamera::Qumat_FormatTFCard(const char* password, int32_t* flag) {
    passwordAction(Function::Qumat_FormatTFCard, password, flag, [](CameraState& state) {
        state.recordings = 0;
        return Outcome::changed;
    });
}

void EmulatedCamera::Qumat_SetDefault(int32_t* flag) {
    call(Function::Qumat_SetDefault, flag, [](CameraState& state) {
        restoreDefaults(state);
        return Outcome::changed;
    });
    journal_.append(JournalLine(Function::Qumat_SetDefault).number("flag", flag));
}

void EmulatedCamera::call(Function function, int32_t* flag, const Operation& operation) {
    // The whole call holds the state file's lock, so that no other process changes the camera
    // between this call's read and its write.
    std::optional<StateFile::Lock> lock;
    if (persistent_) {
        lock.emplace(stateFile_);
        auto loaded = stateFile_.load();
        if (!loaded) {
            if (flag != nullptr) {
                *flag = 0;
            }
            return;
        }
        state_ = std::move(*loaded);
    }
    if (!state_.attached) {
        connected_ = false;
        massStorage_ = false;
        loginPassword_.reset();
    }
    const bool reportable = flag != nullptr || function == Function::Qumat_Get4GDevOrNot;
    bool succeeded = reportable && canAnswer(function) && !state_.faults.fails(function);
    if (succeeded) {
        // A change takes effect only once kept, so a failed save leaves the camera as it was.
        CameraState next = state_;
        const Outcome outcome = operation(next);
        // A camera that does not take a write answers as one that kept it.
        const bool ignored = outcome == Outcome::changed && state_.faults.ignores(function);
        succeeded = outcome == Outcome::unchanged || ignored ||
                    (outcome == Outcome::changed && (!persistent_ || stateFile_.save(next)));
        if (succeeded && !ignored) {
            state_ = std::move(next);
        }
    }
    if (flag != nullptr) {
        *flag = succeeded ? state_.faults.successFlag(function) : 0;
    }
    // A slow camera keeps its caller waiting, not the other processes that read its state.
    lock.reset();
    std::this_thread::sleep_for(state_.faults.delay(function));
}

bool EmulatedCamera::canAnswer(Function function) const {
    if (!state_.attached) {
        return false;
    }
    if (function == Function::Init_Device) {
        return true;
    }
    if (!connected_ || massStorage_) {
        return false;
    }
    return function == Function::Qumat_Login || loginPassword_.has_value();
}

bool EmulatedCamera::isLoginPassword(const char* password) const {
    return password != nullptr && loginPassword_ && passwordText(password) == *loginPassword_;
}

void EmulatedCamera::deliver(Function function, void* destination,
                             std::span<const uint8_t> bytes) const {
    if (!state_.faults.leavesUntouched(function)) {
        std::memcpy(destination, bytes.data(), bytes.size());
    }
}

void EmulatedCamera::deliver(Function function, int32_t* destination, int32_t value) const {
    if (!state_.faults.leavesUntouched(function)) {
        *destination = value;
    }
}

void EmulatedCamera::transfer(Function function, std::string CameraState::*text, std::size_t size,
                              int32_t direction, char* buffer, int32_t* flag) {
    call(function, flag, [&](CameraState& state) {
        const TextField field{0, size};
        if (buffer == nullptr || (direction != 0 && direction != 1)) {
            return Outcome::failed;
        }
        if (direction == 1) {
            state.*text = takeText({reinterpret_cast<const uint8_t*>(buffer), size}, field);
            return Outcome::changed;
        }
        std::vector<uint8_t> answer(size);
        putText(answer, field, state.*text, state.faults.leavesUnterminated(function));
        deliver(function, buffer, answer);
        return Outcome::unchanged;
    });
    journal_.append(JournalLine(function)
                        .number("direction", direction)
                        .bytes("buffer", buffer, size)
                        .number("flag", flag));
}

void EmulatedCamera::passwordAction(Function function, const char* password, int32_t* flag,
                                    const Operation& action) {
    call(function, flag, [&](CameraState& state) {
        return isLoginPassword(password) ? action(state) : Outcome::failed;
    });
    journal_.append(
        JournalLine(function).text("password", password, kLoginPasswordSize).number("flag", flag));
}

void EmulatedCamera::giveStatusText(Function function, std::string CameraState::*text, char* buffer,
                                    int32_t* flag) {
    call(function, flag, [&](CameraState& state) {
        if (buffer == nullptr) {
            return Outcome::failed;
        }
        std::array<uint8_t, kStatusTextSize> answer{};
        putText(answer, {0, kStatusTextSize}, state.*text,
                state.faults.leavesUnterminated(function));
        deliver(function, buffer, answer);
        return Outcome::unchanged;
    });
    journal_.append(
        JournalLine(function).bytes("text", buffer, kStatusTextSize).number("flag", flag));
}

}  // namespace k47
