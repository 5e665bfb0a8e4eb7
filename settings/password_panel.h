#pragma once

#include "group_panel.h"
#include "password_settings.h"

namespace settings {

// "Password": reads the camera's password into the old-password field and sets a new one.
class PasswordPanel : public GroupPanel {
    Q_OBJECT

  public:
    PasswordPanel(QDialog& window, const Controls& controls, const editions::Edition& edition,
                  ui::Context& context);

    void limitTyping();

  private:
    void get();
    void modify();

    camera::PasswordSettings password_;
};

}  // namespace settings
