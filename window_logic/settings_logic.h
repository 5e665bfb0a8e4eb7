#pragma once

#include <optional>

#include "device_group.h"
#include "identity_group.h"
#include "network_group.h"
#include "password_group.h"
#include "recording_group.h"
#include "stc_menu_group.h"

namespace window_logic {

// The settings window's behaviour: it reads everything when it opens, silently, in the order of
// the edition's camera model; each button then reads or writes its group.
class SettingsLogic {
  public:
    SettingsLogic(const editions::Edition& edition, Services& services, WindowControls& controls);

    // Limits typing and reads every group, each read silent; a failed read leaves its fields as
    // they are.
    void open();
    void press(editions::Button button);

  private:
    void openCommon();
    void openStc();

    const editions::Edition& edition_;
    Services& services_;
    WindowControls& controls_;
    IdentityGroup identity_;
    PasswordGroup password_;
    DeviceGroup device_;
    NetworkGroup network_;
    // One of the two, by the camera model's menu record.
    std::optional<RecordingGroup> recording_;
    std::optional<StcMenuGroup> stcMenu_;
};

}  // namespace window_logic
