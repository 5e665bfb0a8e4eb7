#pragma once

#include "group_logic.h"
#include "identity_settings.h"
#include "serial_number_settings.h"

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
    void show(const camera::IdentitySettings::Reading& reading);

    camera::IdentitySettings identity_;
    camera::SerialNumberSettings serialNumber_;
    const camera::CatalogueRow& deviceId_;
    const camera::CatalogueRow& officerId_;
    // Set for a model that reads the serial number.
    const camera::CatalogueRow* serialNumberRow_ = nullptr;
};

}  // namespace window_logic
