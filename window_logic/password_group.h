#pragma once

#include "group_logic.h"
#include "password_settings.h"

namespace window_logic {

// "Password": reads the camera's password into the old-password field and sets a new one.
class PasswordGroup : GroupLogic {
  public:
    PasswordGroup(const editions::Edition& edition, Services& services, WindowControls& controls);

    void limitTyping();
    void get();
    void modify();

  private:
    camera::PasswordSettings password_;
};

}  // namespace window_logic
