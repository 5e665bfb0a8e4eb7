#include "settings_logic.h"

namespace window_logic {

SettingsLogic::SettingsLogic(const editions::Edition& edition, Services& services,
                             WindowControls& controls)
    : edition_(edition),
      services_(services),
      controls_(controls),
      identity_(edition, services, controls),
      password_(edition, services, controls),
      device_(edition, services, controls),
      network_(edition, services, controls) {
    if (edition.model.usesLongMenuRecord()) {
        stcMenu_.emplace(edition, services, controls);
    } else {
        recording_.emplace(edition, services, controls);
    }
}

void SettingsLogic::open() {
    // Nothing an earlier window's reads selected is in this window's lists.
    services_.session.lastRead[static_cast<std::size_t>(edition_.index)].wifiPosition = -1;
    if (stcMenu_) {
        openStc();
    } else {
        openCommon();
    }
}

void SettingsLogic::openCommon() {
    identity_.limitTyping();
    network_.limitTyping();
    identity_.readAtSetUp();
    device_.readFirmwareAtSetUp();
    network_.readRecordAtSetUp();
    device_.readCardCapacityAtSetUp();
    recording_->fillFixedLists();
    recording_->readAtSetUp();
    password_.limitTyping();
    device_.readDeviceResolutionAtSetUp();
    controls_.disableForDeviceKind(services_.session.deviceKind);
    network_.limitApnTyping();
    if (edition_.model.readsSerialNumber) {
        identity_.readSerialNumberAtSetUp();
    }
    network_.readApnPasswordAtSetUp();
    network_.readApnUserAtSetUp();
}

// No device-resolution or serial-number read, and the network last.
void SettingsLogic::openStc() {
    identity_.limitTyping();
    network_.limitTyping();
    network_.limitApnTyping();
    password_.limitTyping();
    identity_.readAtSetUp();
    device_.readFirmwareAtSetUp();
    device_.readCardCapacityAtSetUp();
    controls_.disableForDeviceKind(services_.session.deviceKind);
    stcMenu_->fillLists();
    stcMenu_->readAtSetUp();
    network_.readRecordAtSetUp();
    network_.readApnUserAtSetUp();
    network_.readApnPasswordAtSetUp();
}

void SettingsLogic::press(editions::Button button) {
    using enum editions::Button;
    switch (button) {
        case identityGet:
            return identity_.get();
        case identitySet:
            return identity_.set();
        case passwordGet:
            return password_.get();
        case passwordModify:
            return password_.modify();
        case serialNumberSet:
            // Only a model that reads the serial number answers its hidden buttons.
            return edition_.model.readsSerialNumber ? identity_.setSerialNumber() : void();
        case serialNumberGet:
            return edition_.model.readsSerialNumber ? identity_.getSerialNumber() : void();
        case setDefault:
            return device_.restoreDefaults();
        case setTime:
            return device_.setTime();
        case enterUDisk:
            return device_.enterMassStorage();
        case networkGet:
            return network_.get();
        case networkSet:
            return network_.set();
        case menuGet:
            return recording_ ? recording_->get() : stcMenu_->get();
        case menuSet:
            return recording_ ? recording_->set() : stcMenu_->set();
    }
}

}  // namespace window_logic
