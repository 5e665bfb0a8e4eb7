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
                  ui::Context& context);

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
    QLineEdit& serialNumberEdit() const { return controls_.edit(*serialNumberRow_); }

    camera::SerialNumberSettings serialNumber_;
    const camera::CatalogueRow& deviceId_;
    const camera::CatalogueRow& officerId_;
    // Set for a model that reads the serial number.
    const camera::CatalogueRow* serialNumberRow_ = nullptr;
};

}  // namespace settings
