#pragma once

#include "catalogue.h"
#include "identity_settings.h"
#include "serial_number_settings.h"
#include "setting_group.h"

namespace cli {

// The device ID, the officer ID and, where the model has it, the serial number.
class IdentityGroup final : public SettingGroup {
  public:
    IdentityGroup(camera::CameraLibrary& camera, camera::Session& session,
                  const camera::CameraModel& model);

    bool read(Values& values) override;
    GroupWrite write(const WriteRequest& request) override;

  private:
    camera::IdentitySettings identity_;
    camera::SerialNumberSettings serialNumber_;
    bool readsSerialNumber_;
};

}  // namespace cli
