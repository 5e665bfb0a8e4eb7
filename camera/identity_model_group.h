#pragma once

#include "catalogue.h"
#include "identity_settings.h"
#include "model_group.h"
#include "serial_number_settings.h"

namespace camera {

// The device ID, the officer ID and, where the model has it, the serial number.
class IdentityModelGroup final : public ModelGroup {
  public:
    IdentityModelGroup(CameraLibrary& camera, Session& session, LastRead& lastRead,
                       const CameraModel& model);

    bool read(SettingValues& values) override;
    GroupWrite write(const GroupWriteRequest& request) override;

  private:
    IdentitySettings identity_;
    SerialNumberSettings serialNumber_;
    bool readsSerialNumber_;
};

}  // namespace camera
