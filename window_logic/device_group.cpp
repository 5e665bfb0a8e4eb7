#include "device_group.h"

#include "setting_keys.h"

namespace window_logic {

void DeviceGroup::readFirmwareAtSetUp() {
    if (const auto text = actions_.firmwareVersion()) {
        show(&row(camera::keys::kFirmware), *text);
    }
}

void DeviceGroup::readCardCapacityAtSetUp() {
    if (const auto text = actions_.cardCapacity()) {
        show(&row(camera::keys::kCard), *text);
    }
}

void DeviceGroup::readDeviceResolutionAtSetUp() {
    actions_.readDeviceResolution();
}

void DeviceGroup::setTime() {
    report(actions_.setTime());
}

void DeviceGroup::restoreDefaults() {
    // A fresh window reads everything again; the session's values stay.
    handOverIf(actions_.restoreDefaults(), &HandOver::runSettingsWindow);
}

void DeviceGroup::enterMassStorage() {
    handOverIf(actions_.enterMassStorage(), &HandOver::runLoginWindow);
}

void DeviceGroup::handOverIf(bool succeeded, void (HandOver::*runNext)(const editions::Edition&)) {
    report(succeeded);
    if (succeeded) {
        // The window ends before the next one runs, from inside this handler.
        controls_.endWindow();
        (services_.handOver.*runNext)(edition_);
    }
}

}  // namespace window_logic
