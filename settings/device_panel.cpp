#include "device_panel.h"

#include <QLabel>

namespace settings {

DevicePanel::DevicePanel(QDialog& window, const Controls& controls,
                         const editions::Edition& edition, ui::Context& context)
    : GroupPanel(window, controls, edition, context), actions_(context.camera, context.session) {
    onClicked(editions::Button::setTime, &DevicePanel::setTime);
    onClicked(editions::Button::setDefault, &DevicePanel::restoreDefaults);
    onClicked(editions::Button::enterUDisk, &DevicePanel::enterMassStorage);
}

void DevicePanel::readFirmwareAtSetUp() {
    if (const auto text = actions_.firmwareVersion()) {
        controls_.value(setting("firmware")).setText(windowText(*text));
    }
}

void DevicePanel::readCardCapacityAtSetUp() {
    if (const auto text = actions_.cardCapacity()) {
        controls_.value(setting("card")).setText(windowText(*text));
    }
}

void DevicePanel::readDeviceResolutionAtSetUp() {
    actions_.readDeviceResolution();
}

void DevicePanel::setTime() {
    report(actions_.setTime());
}

void DevicePanel::restoreDefaults() {
    // A fresh window reads everything again; the session's values stay.
    handOverIf(actions_.restoreDefaults(), &ui::HandOver::runSettingsWindow);
}

void DevicePanel::enterMassStorage() {
    handOverIf(actions_.enterMassStorage(), &ui::HandOver::runLoginWindow);
}

void DevicePanel::handOverIf(bool succeeded,
                             void (ui::HandOver::*runNext)(const editions::Edition&)) {
    report(succeeded);
    if (succeeded) {
        // The window ends before the next one runs, from inside this handler.
        window_.done(QDialog::Accepted);
        (context_.handOver.*runNext)(edition_);
    }
}

}  // namespace settings
