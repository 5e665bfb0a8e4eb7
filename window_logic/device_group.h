#pragma once

#include "device_actions.h"
#include "group_logic.h"

namespace window_logic {

// "Camera": the card capacity and firmware texts, the clock, the factory defaults and the
// mass-storage mode.
class DeviceGroup : GroupLogic {
  public:
    DeviceGroup(const editions::Edition& edition, Services& services, WindowControls& controls)
        : GroupLogic(edition, services, controls), actions_(services.camera, services.session) {}

    void readFirmwareAtSetUp();
    void readCardCapacityAtSetUp();
    void readDeviceResolutionAtSetUp();

    void setTime();
    void restoreDefaults();
    void enterMassStorage();

  private:
    // Reports the action; after a success ends this window and runs the next.
    void handOverIf(bool succeeded, void (HandOver::*runNext)(const editions::Edition&));

    camera::DeviceActions actions_;
};

}  // namespace window_logic
