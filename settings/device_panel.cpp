#include "device_panel.h"

#include <QLabel>

namespace settings {

DevicePanel::DevicePanel(QDialog& window, const editions::Edition& edition, app::Context& context)
    : GroupPanel(window, edition, context), actions_(context.camera, context.session) {
    onClicked("setTimeButton", &DevicePanel::setTime);
    onClicked("setDefaultButton", &DevicePanel::restoreDefaults);
    onClicked("enterUDiskButton", &DevicePanel::enterMassStorage);
}

void DevicePanel::readFirmwareAtSetUp() {
    if (const auto text = actions_.firmwareVersion()) {
        control<QLabel>("firmwareValue")->setText(windowText(*text));
    }
}

void DevicePanel::readCardCapacityAtSetUp() {
    if (const auto text = actions_.cardCapacity()) {
        control<QLabel>("cardValue")->setText(windowText(*text));
    }
}

void DevicePanel::readDeviceResolutionAtSetUp() {
    actions_.readDeviceResolution();
}

void DevicePanel::setTime() {
    report(actions_.setTime());
}

void DevicePanel::restoreDefaults() {
    if (!actions_.restoreDefaults()) {
        report(false);
        return;
    }
    report(true);
    // A fresh window reads everything again; the session's values stay.
    window_.done(QDialog::Accepted);
    context_.handOver.runSettingsWindow(edition_);
}

void DevicePanel::enterMassStorage() {
    if (!actions_.enterMassStorage()) {
        report(false);
        return;
    }
    report(true);
    window_.done(QDialog::Accepted);
    context_.handOver.runLoginWindow(edition_);
}

}  // namespace settings
