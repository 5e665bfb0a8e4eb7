#include "device_actions.h"

#include "text_buffer.h"

namespace camera {
namespace {

std::optional<std::u16string> readStatus(CameraLibrary& camera,
                                         void (CameraLibrary::*read)(char*, int32_t*)) {
    StatusText text;
    int32_t flag = 0;
    (camera.*read)(text.data(), &flag);
    return flag != 0 ? std::optional(text.text()) : std::nullopt;
}

}  // namespace

std::optional<std::u16string> DeviceActions::firmwareVersion() {
    return readStatus(camera_, &CameraLibrary::Qumat_GetFwVersion);
}

std::optional<std::u16string> DeviceActions::cardCapacity() {
    return readStatus(camera_, &CameraLibrary::Qumat_GetTFVol);
}

void DeviceActions::readDeviceResolution() {
    int32_t width = 0;
    int32_t height = 0;
    int32_t flag = 0;
    camera_.ReadDeviceResolution(&width, &height, session_.loginPassword.data(), &flag);
}

bool DeviceActions::setTime() {
    int32_t flag = 0;
    camera_.SyncDevTime(session_.loginPassword.data(), &flag);
    return flag != 0;
}

bool DeviceActions::restoreDefaults() {
    int32_t flag = 0;
    camera_.Qumat_SetDefault(&flag);
    return flag != 0;
}

bool DeviceActions::enterMassStorage() {
    int32_t flag = 0;
    camera_.SetMSDC(session_.loginPassword.data(), &flag);
    return flag != 0;
}

}  // namespace camera
