#pragma once

#include <string_view>
#include <vector>

#include "edition.h"
#include "identity_settings.h"
#include "serial_number_settings.h"
#include "setting.h"
#include "setting_group.h"

namespace cli {

inline constexpr std::string_view kDeviceIdName = "identity.device_id";

// The device ID, the officer ID and, where the model's window has it, the serial number.
class IdentityGroup final : public SettingGroup {
  public:
    IdentityGroup(camera::CameraLibrary& camera, camera::Session& session,
                  const editions::Edition& edition);

    static std::vector<Setting> settings(const editions::Edition& edition);

    bool read(Values& values) override;
    GroupWrite write(const WriteRequest& request) override;

  private:
    camera::IdentitySettings identity_;
    camera::SerialNumberSettings serialNumber_;
    bool readsSerialNumber_;
};

}  // namespace cli
