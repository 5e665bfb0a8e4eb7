#pragma once

#include "device_actions.h"
#include "group_panel.h"

namespace settings {

// "Camera": the card capacity and firmware texts, the clock, the factory defaults and the
// mass-storage mode.
class DevicePanel : public GroupPanel {
    Q_OBJECT

  public:
    DevicePanel(QDialog& window, const Controls& controls, const editions::Edition& edition,
                ui::Context& context);

    void readFirmwareAtSetUp();
    void readCardCapacityAtSetUp();
    void readDeviceResolutionAtSetUp();

  private:
    void setTime();
    void restoreDefaults();
    void enterMassStorage();
    // Reports the action; after a success ends this window and runs the next.
    void handOverIf(bool succeeded, void (ui::HandOver::*runNext)(const editions::Edition&));

    camera::DeviceActions actions_;
};

}  // namespace settings
