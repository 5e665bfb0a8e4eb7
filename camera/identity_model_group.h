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

    // The device ID and officer ID, set when the camera's answer holds them; true when the camera
    // answered. `needsFlagOne`: only the flag 1 counts as an answer with values, not any success.
    bool readIdentity(SettingValues& values, bool needsFlagOne);
    // The serial number as read when a window opens: a blank one is empty; none when it failed.
    bool readSerialNumber(SettingValues& values);
    // Whatever the buffer holds after the call, and the call's outcome.
    TextReading readSerialNumberAsGiven() { return serialNumber_.read(); }
    // Any success counts as an answer, as when the window opens.
    bool read(SettingValues& values) override;

    // A device ID of another length than the one last read is refused, sending nothing.
    WriteOutcome writeIdentity(const SettingValues& values);
    WriteOutcome writeSerialNumber(const SettingValues& values);
    GroupWrite write(const GroupWriteRequest& request) override;

  private:
    IdentitySettings identity_;
    SerialNumberSettings serialNumber_;
    bool readsSerialNumber_;
};

}  // namespace camera
