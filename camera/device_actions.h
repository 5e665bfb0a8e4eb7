#pragma once

#include <optional>
#include <string>

#include "camera_library.h"
#include "session.h"

namespace camera {

// The camera's status texts and the actions that take nothing but the login password. Each
// action is true when the camera reports success.
class DeviceActions {
  public:
    DeviceActions(CameraLibrary& camera, const Session& session)
        : camera_(camera), session_(session) {}

    // The camera's own words for its firmware and its card's capacity; nothing when a read failed.
    std::optional<std::u16string> firmwareVersion();
    std::optional<std::u16string> cardCapacity();
    // Asked once when a window opens; what it answers is not used.
    void readDeviceResolution();

    bool setTime();
    bool restoreDefaults();
    bool enterMassStorage();

  private:
    CameraLibrary& camera_;
    const Session& session_;
};

}  // namespace camera
