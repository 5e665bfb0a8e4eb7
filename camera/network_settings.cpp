#include "network_settings.h"

#include "text_buffer.h"

namespace camera {
namespace {

constexpr int32_t kRead = 0;
constexpr int32_t kWrite = 1;

using ApnTransfer = void (CameraLibrary::*)(int32_t, char*, int32_t*);

std::optional<std::u16string> readApnText(CameraLibrary& camera, ApnTransfer transfer) {
    ApnText text;
    int32_t flag = 0;
    (camera.*transfer)(kRead, text.data(), &flag);
    return flag != 0 ? std::optional(text.text()) : std::nullopt;
}

void writeApnText(CameraLibrary& camera, ApnTransfer transfer, std::u16string_view value) {
    ApnText text;
    text.write(value);
    int32_t flag = 0;
    (camera.*transfer)(kWrite, text.data(), &flag);
}

}  // namespace

std::optional<NetworkRecord> NetworkSettings::readRecord() {
    NetworkRecord record;
    int32_t flag = 0;
    camera_.Qumat_GetNetConfig(record.data(), &flag);
    return flag != 0 ? std::optional(record) : std::nullopt;
}

std::optional<std::u16string> NetworkSettings::readApnUser() {
    return readApnText(camera_, &CameraLibrary::Qumat_ApnUser);
}

std::optional<std::u16string> NetworkSettings::readApnPassword() {
    return readApnText(camera_, &CameraLibrary::Qumat_ApnPsw);
}

bool NetworkSettings::write(const NetworkValues& values, int wifiSelection) {
    writeApnText(camera_, &CameraLibrary::Qumat_ApnUser, values.apnUser);
    writeApnText(camera_, &CameraLibrary::Qumat_ApnPsw, values.apnPassword);
    NetworkRecord record;
    record.setWifiStationFromWifiSelection(wifiSelection);
    for (std::size_t field = 0; field < values.record.size(); ++field) {
        record.writeText(static_cast<NetworkText>(field), values.record[field]);
    }
    int32_t flag = 0;
    camera_.Qumat_SetNetConfig(record.data(), &flag);
    return flag != 0;
}

}  // namespace camera
