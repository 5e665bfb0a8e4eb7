#include "network_settings.h"

#include "text_buffer.h"

namespace camera {
namespace {

constexpr int32_t kRead = 0;
constexpr int32_t kWrite = 1;

using ApnTransfer = void (CameraLibrary::*)(int32_t, char*, int32_t*);

std::optional<ApnText> readApnText(CameraLibrary& camera, ApnTransfer transfer,
                                   std::optional<ApnText>& last) {
    ApnText text;
    int32_t flag = 0;
    (camera.*transfer)(kRead, text.data(), &flag);
    if (flag == 0) {
        return std::nullopt;
    }
    last = text;
    return text;
}

void writeApnText(CameraLibrary& camera, ApnTransfer transfer, std::u16string_view value,
                  const std::optional<ApnText>& last) {
    ApnText text;
    if (last && last->text() == value) {
        text = *last;
    } else {
        text.write(value);
    }
    int32_t flag = 0;
    (camera.*transfer)(kWrite, text.data(), &flag);
}

}  // namespace

std::optional<NetworkRecord> NetworkSettings::readRecord() {
    NetworkRecord record;
    int32_t flag = 0;
    camera_.Qumat_GetNetConfig(record.data(), &flag);
    if (flag == 0) {
        return std::nullopt;
    }
    lastRecord_ = record;
    return record;
}

std::optional<ApnText> NetworkSettings::readApnUser() {
    return readApnText(camera_, &CameraLibrary::Qumat_ApnUser, lastApnUser_);
}

std::optional<ApnText> NetworkSettings::readApnPassword() {
    return readApnText(camera_, &CameraLibrary::Qumat_ApnPsw, lastApnPassword_);
}

bool NetworkSettings::write(const NetworkValues& values, std::optional<int> wifiPick) {
    writeApnText(camera_, &CameraLibrary::Qumat_ApnUser, values.apnUser, lastApnUser_);
    writeApnText(camera_, &CameraLibrary::Qumat_ApnPsw, values.apnPassword, lastApnPassword_);
    NetworkRecord record;
    if (!wifiPick && lastRecord_) {
        record.copyWifiStation(*lastRecord_);
    } else {
        // A record no read gave has no station byte to keep: it goes off unless chosen.
        record.setWifiStationFromWifiSelection(wifiPick.value_or(-1));
    }
    for (std::size_t field = 0; field < values.record.size(); ++field) {
        const auto text = static_cast<NetworkText>(field);
        if (lastRecord_ && lastRecord_->text(text) == values.record[field]) {
            record.copyText(text, *lastRecord_);
        } else {
            record.writeText(text, values.record[field]);
        }
    }
    int32_t flag = 0;
    camera_.Qumat_SetNetConfig(record.data(), &flag);
    return flag != 0;
}

}  // namespace camera
