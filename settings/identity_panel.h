#pragma once

#include "group_panel.h"
#include "identity_settings.h"
#include "serial_number_settings.h"

namespace settings {

// "ID Information": the device ID and officer ID, and the hidden serial-number row.
class IdentityPanel : public GroupPanel {
    Q_OBJECT

  public:
    IdentityPanel(QDialog& window, const Controls& controls, const editions::Edition& edition,
                  app::Context& context);

    void limitTyping();
    void readAtSetUp();
    void readSerialNumberAtSetUp();

  private:
    void get();
    void set();
    void getSerialNumber();
    void setSerialNumber();
    void show(const camera::IdentitySettings::Reading& reading);

    camera::IdentitySettings identity_;
    camera::SerialNumberSettings serialNumber_;
};

}  // namespace settings
