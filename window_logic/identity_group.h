#pragma once

#include "group_logic.h"
#include "identity_model_group.h"

namespace window_logic {

// "ID Information": the device ID and officer ID, and the hidden serial-number row.
class IdentityGroup : GroupLogic {
  public:
    IdentityGroup(const editions::Edition& edition, Services& services, WindowControls& controls);

    void limitTyping();
    void readAtSetUp();
    void readSerialNumberAtSetUp();

    void get();
    void set();
    void getSerialNumber();
    void setSerialNumber();

  private:
    void readIdentity(bool needsFlagOne, bool report);

    camera::IdentityModelGroup identity_;
    // Whether a read has filled the fields from the camera.
    bool read_ = false;
};

}  // namespace window_logic
